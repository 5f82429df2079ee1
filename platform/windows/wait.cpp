// Waiting on Windows: MsgWaitForMultipleObjects on an event (posted notices,
// the console's Ctrl+C and closing) and on this thread's message queue, where
// the window's input and the system's device-arrival messages come in. While
// pads are open (SDL reads them only when pumped) the wait looks for input
// every few milliseconds instead.
#include "platform/internal.h"

#include <windows.h>

namespace platform::detail {
namespace {

// How often a wait looks for pad input: quick enough that a press is not
// felt late, rare enough to cost nothing.
constexpr DWORD pad_poll_ms = 8;

// The event that wakes wait_events(); made on first use, never closed.
HANDLE wake_event() {
    static const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    return event;
}

BOOL WINAPI on_console_event(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT)
        return FALSE;
    note_termination_request();
    // Windows ends the process as soon as this returns from a closing
    // console: wait instead, while the main thread ends the program (or
    // until Windows stops waiting, after a few seconds).
    if (event == CTRL_CLOSE_EVENT) Sleep(10000);
    return TRUE;
}

} // namespace

void prepare_system_for_sdl() {
    wake_event();
    // The program's entry is a plain main, not SDL's replacement for it.
    SDL_SetMainReady();
}

void watch_termination_requests() {
    SetConsoleCtrlHandler(on_console_event, TRUE);
}

// The window's input comes in on this thread's message queue, which every
// wait watches.
void watch_window_input(SDL_Window*) {}

void wake_main_thread() {
    SetEvent(wake_event());
}

void forget_wakeups() {
    ResetEvent(wake_event());
}

void sleep_until_woken() {
    HANDLE event = wake_event();
    // MWMO_INPUTAVAILABLE: messages already in the queue wake it too, even
    // when an earlier look at the queue saw them.
    MsgWaitForMultipleObjectsEx(1, &event, pads_need_pumping() ? pad_poll_ms : INFINITE,
                                QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

} // namespace platform::detail
