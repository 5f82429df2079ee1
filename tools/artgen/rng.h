// A small seeded generator, so every build draws and composes the same bytes
// whatever the C++ library's own distributions do.
#pragma once

#include <cstdint>

class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    // Uniform in [0, 1).
    double real();
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * real(); }
    // Uniform in lo..hi, both included.
    int below(int lo, int hi);
    bool chance(double p) { return real() < p; }

  private:
    std::uint64_t state_;
};
