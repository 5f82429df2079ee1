// A sample of the output ring, written by the mixing thread and read by the
// device's without a lock: every access is whole (atomic), and costs no more
// than a plain one. The compiler's builtins stand in for std::atomic_ref,
// which not every standard library that builds the game offers.
#pragma once

#include <cstdint>

inline void store_shared_sample(std::int16_t& sample, std::int16_t value) {
    __atomic_store_n(&sample, value, __ATOMIC_RELAXED);
}

inline std::int16_t load_shared_sample(const std::int16_t& sample) {
    return __atomic_load_n(&sample, __ATOMIC_RELAXED);
}
