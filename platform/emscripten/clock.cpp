// The browser's clock. A sleep hands control back to the page (the program
// is built with Asyncify), which draws, plays and takes input meanwhile;
// only the program waits.
#include "platform/platform.h"
#include "platform/process.h"

#include <emscripten.h>

namespace platform {

// performance.now(): milliseconds since the page opened, never going back.
std::uint32_t milliseconds() {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
}

void sleep_ms(int ms) {
    if (ms > 0) emscripten_sleep(static_cast<unsigned>(ms));
}

// The page's timers keep to the millisecond already.
void request_fine_timer_resolution() {}

} // namespace platform
