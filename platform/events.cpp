// The main thread's queue: SDL's event queue for window-system input plus our
// own notice queue for ticks posted by other threads. Waiting blocks in the
// system's own wait (posix/wait.cpp, windows/wait.cpp) until a notice, a
// termination request or window input may have arrived, so an idle game
// costs no CPU.
#include "platform/internal.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <string>

namespace platform {
namespace {

WindowEventHandler window_handler = nullptr;
NoticeHandler notice_handler = nullptr;

struct NoticeQueue {
    std::mutex mutex;
    std::deque<std::uint64_t> queued; // guarded by mutex
    std::atomic<int> count{0};
};

// Never destroyed: other threads may post while the process exits.
NoticeQueue& notices() {
    static NoticeQueue* queue = new NoticeQueue;
    return *queue;
}

std::atomic<bool> termination_signalled{false};
bool sdl_started = false;
bool video_started = false;

bool anything_waiting() {
    if (notices().count.load() > 0 || termination_signalled.load()) return true;
    if (!sdl_started) return false;
    SDL_PumpEvents();
    return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE;
}

void dispatch_notices() {
    // Only what is queued now: a notice posted while we dispatch waits for the
    // next pump, so a fast tick source cannot keep us here forever.
    std::deque<std::uint64_t> batch;
    {
        NoticeQueue& queue = notices();
        std::lock_guard<std::mutex> lock(queue.mutex);
        batch.swap(queue.queued);
        queue.count.store(0);
    }
    for (std::uint64_t id : batch)
        if (notice_handler) notice_handler(id);
}

void dispatch_signals() {
    if (termination_signalled.exchange(false) && window_handler)
        window_handler(WindowEvent{WindowEvent::CloseRequest});
}

void dispatch_sdl_events() {
    if (!sdl_started) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) detail::translate_event(event, window_handler);
}

} // namespace

namespace detail {

// Left to choose, SDL falls back on drawing offscreen when no window system
// answers, and the game would run unseen. Unless a driver is asked for (the
// tests ask for "offscreen"), only those that show windows are tried.
void only_window_systems_unless_asked() {
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (asked && *asked) return;
    // A Wayland compositor's socket is found through XDG_RUNTIME_DIR; without
    // either, trying would only have the Wayland library complain.
    const bool wayland = SDL_getenv("WAYLAND_DISPLAY") || SDL_getenv("XDG_RUNTIME_DIR");
    std::string drivers;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string name = SDL_GetVideoDriver(i);
        if (name == "offscreen" || name == "dummy" || name == "evdev") continue;
        if (name == "wayland" && !wayland) continue;
        drivers += (drivers.empty() ? "" : ",") + name;
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

bool ensure_sdl_events() {
    if (sdl_started) return true;
    draw_software_frames_on_this_thread();
    prepare_system_for_sdl();
    // We wait for signals ourselves; SDL's own handlers would only be noticed
    // at the next pump, which may never come while we block.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_Init(SDL_INIT_EVENTS) != 0) return false;
    watch_termination_requests();
    sdl_started = true;
    return true;
}

bool ensure_sdl_video() {
    if (video_started) return true;
    if (!ensure_sdl_events()) return false;
    only_window_systems_unless_asked();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    video_started = true;
    return true;
}

void note_termination_request() {
    termination_signalled.store(true);
    wake_main_thread();
}

} // namespace detail

void set_window_event_handler(WindowEventHandler handler) {
    window_handler = handler;
}

void set_notice_handler(NoticeHandler handler) {
    notice_handler = handler;
}

void post_notice(std::uint64_t id) {
    {
        NoticeQueue& queue = notices();
        std::lock_guard<std::mutex> lock(queue.mutex);
        queue.queued.push_back(id);
        queue.count.store(static_cast<int>(queue.queued.size()));
    }
    detail::wake_main_thread();
}

int pending_notices() {
    return notices().count.load();
}

void pump_events() {
    detail::ensure_sdl_events();
    dispatch_signals();
    dispatch_sdl_events();
    dispatch_notices();
}

void wait_events() {
    detail::ensure_sdl_events();
    for (;;) {
        detail::forget_wakeups();
        if (anything_waiting()) break;
        // Woken by a notice, a termination request, window input, a device,
        // the clock or an interrupted call: loop to see whether something
        // really arrived.
        detail::sleep_until_woken();
    }
    pump_events();
}

} // namespace platform
