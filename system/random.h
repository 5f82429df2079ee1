// The game's dice: a Park-Miller generator (multiplier 48271, modulus
// 2^31 - 1) stepped with Schrage's method, and the range operations built on
// it. Bit-exact: the same seed gives the same game.
#pragma once

#include <cstdint>

// Sets the state to seed & 0x7fffffff; the two values that would stall the
// generator (0 and 0x7fffffff) give 4660 instead.
void seed_random(std::int32_t seed);

// The state (4660 at start-up).
std::int32_t random_state();

// One generator step; returns the new state.
std::int32_t random_step();

// Two steps: a double in [0, 1).
double random_unit();

// One step: a float in [0, 1).
float random_single();

// A double between a and b (either order), b excluded; a when a == b.
double random_real(double a, double b);

// An int between a and b inclusive (either order).
std::int32_t random_int(std::int32_t a, std::int32_t b);

// Truncation toward zero.
std::int32_t float_to_int(double x);
