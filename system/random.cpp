#include "system/random.h"

#include <climits>

namespace {

std::int32_t state = 4660;

} // namespace

void seed_random(std::int32_t seed) {
    state = seed & 0x7fffffff;
    if (state == 0 || state == 0x7fffffff) state = 4660;
}

std::int32_t random_state() { return state; }

std::int32_t random_step() {
    state = 48271 * (state % 44488) - 3399 * (state / 44488);
    if (state < 0) state += 0x7fffffff;
    return state;
}

double random_unit() {
    std::int32_t s1 = random_step();
    std::int32_t s2 = random_step();
    return (static_cast<double>(s1 & 0x1ffffffc) +
            static_cast<double>(s2 & 0x1ffffff8) / 134217728.0) /
           536870912.0;
}

float random_single() {
    return static_cast<float>(static_cast<double>(random_step() & 0x0ffffff0) / 268435456.0);
}

double random_real(double a, double b) {
    double r = random_unit();
    return b > a ? a + r * (b - a) : b + r * (a - b);
}

std::int32_t random_int(std::int32_t a, std::int32_t b) {
    double d = static_cast<double>(b) - static_cast<double>(a);
    double r = random_unit();
    double x = d > 0 ? a + r * (d + 1) : b + r * (1 - d);
    return float_to_int(x);
}

std::int32_t float_to_int(double x) {
    // Out of range and NaN give the processor's "integer indefinite" value,
    // as the hardware conversion does, instead of undefined behaviour.
    if (!(x > -2147483649.0 && x < 2147483648.0)) return INT32_MIN;
    return static_cast<std::int32_t>(x);
}
