#include "platform/platform.h"
#include "platform/process.h"

#include <cerrno>
#include <ctime>

namespace platform {

std::uint32_t milliseconds() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::uint64_t ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                       static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

void sleep_ms(int ms) {
    if (ms <= 0) return;
    timespec rest{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&rest, &rest) != 0 && errno == EINTR) {
    }
}

// POSIX clocks and sleeps already keep to the millisecond and better.
void request_fine_timer_resolution() {}

} // namespace platform
