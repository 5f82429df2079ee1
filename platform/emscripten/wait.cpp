// Waiting in the browser. The page delivers input, and the audio callback
// runs, only while the program hands control back to it, so a wait sleeps
// in the page's timers: until the next tick is due, and at most a few
// milliseconds while nothing ticks, when it looks again for input and pads
// (which SDL reads only when pumped). A page has no termination signals:
// closing it simply ends the program.
#include "platform/emscripten/web.h"
#include "platform/internal.h"

#include <SDL2/SDL_hints.h>

#include <algorithm>

namespace platform::detail {
namespace {

// Quick enough that a key press is not felt late, rare enough to cost nothing.
constexpr int input_poll_ms = 8;

} // namespace

void prepare_system_for_sdl() {
    // SDL would hand control back to the page at every buffer swap as well;
    // the game's own waits already do, once a frame.
    SDL_SetHint(SDL_HINT_EMSCRIPTEN_ASYNCIFY, "0");
}

void watch_termination_requests() {}

void watch_window_input(SDL_Window*) {}

void watch_input_devices() {}

bool pads_need_pumping() {
    return pads_open();
}

// Everything runs on this one thread: a notice posted is seen by the next look.
void wake_main_thread() {}

void forget_wakeups() {
    post_due_ticks();
}

void sleep_until_woken() {
    const int next_tick = ms_until_next_tick();
    const int ms = next_tick < 0 ? input_poll_ms : std::clamp(next_tick, 1, input_poll_ms);
    sleep_ms(ms);
    post_due_ticks();
}

} // namespace platform::detail
