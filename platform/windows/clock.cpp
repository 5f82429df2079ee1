// The system's millisecond clock and sleeps, at the 1 ms resolution the
// program asks for at start-up (Windows' default is 15.6 ms: a 16 ms frame
// timer would then tick at 32 ms or 15 ms by turns).
#include "platform/platform.h"
#include "platform/process.h"

#include <cstdlib>
#include <windows.h>

#include <timeapi.h> // after windows.h, which it needs

namespace platform {
namespace {

void end_fine_timer_resolution() {
    timeEndPeriod(1);
}

} // namespace

std::uint32_t milliseconds() {
    return timeGetTime();
}

void sleep_ms(int ms) {
    if (ms > 0) Sleep(static_cast<DWORD>(ms));
}

void request_fine_timer_resolution() {
    static bool requested = false;
    if (requested || timeBeginPeriod(1) != TIMERR_NOERROR) return;
    requested = true;
    std::atexit(end_fine_timer_resolution);
}

} // namespace platform
