// Waiting on POSIX systems: poll() on an eventfd (posted notices, signals)
// and on the window system's connection (window input). Where that
// connection cannot be had, or while pads are open (SDL reads them only when
// pumped), the wait looks for input every few milliseconds instead, so a key
// or button press still wakes it on every driver.
#include "platform/internal.h"
#include "platform/posix/posix.h"

#include <SDL2/SDL_syswm.h>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace platform::detail {
namespace {

int display_fd = -1;
bool input_unwatched = false; // window input arrives by no connection we can watch
// How often a wait looks for input it cannot watch: quick enough that a key
// press is not felt late, rare enough to cost nothing.
constexpr int unwatched_input_poll_ms = 8;

// The eventfd that wakes wait_events(); made on first use, never closed.
int wake_fd() {
    static const int fd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    return fd;
}

void on_termination_signal(int) {
    note_termination_request();
}

// SDL opens the Wayland client library itself, privately; its connection's
// descriptor is asked of that same library.
int wayland_connection(void* display) {
    void* library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_NOLOAD);
    if (!library) return -1;
    using GetFd = int (*)(void*);
    auto get_fd = reinterpret_cast<GetFd>(dlsym(library, "wl_display_get_fd"));
    int fd = get_fd && display ? get_fd(display) : -1;
    dlclose(library);
    return fd;
}

int display_connection(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info)) return -1;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (info.subsystem == SDL_SYSWM_X11) return XConnectionNumber(info.info.x11.display);
#endif
#if defined(SDL_VIDEO_DRIVER_WAYLAND)
    if (info.subsystem == SDL_SYSWM_WAYLAND) return wayland_connection(info.info.wl.display);
#endif
    return -1;
}

// The drivers that draw without a screen have no input to wait for.
bool delivers_input() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return !driver || (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0);
}

} // namespace

void prepare_system_for_sdl() {
    wake_fd();
}

void watch_termination_requests() {
    struct sigaction action {};
    action.sa_handler = on_termination_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a blocked poll() must return
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void watch_window_input(SDL_Window* window) {
    display_fd = window ? display_connection(window) : -1;
    input_unwatched = window && delivers_input() && display_fd < 0;
}

void stop_watching_window_connection() {
    display_fd = -1;
    input_unwatched = true;
}

void wake_main_thread() {
    std::uint64_t one = 1;
    ssize_t written = write(wake_fd(), &one, sizeof one);
    (void)written; // a full counter already means "wake up"
}

void forget_wakeups() {
    std::uint64_t value;
    while (read(wake_fd(), &value, sizeof value) > 0) {
    }
}

void sleep_until_woken() {
    pollfd fds[3];
    int count = 0;
    if (wake_fd() >= 0) fds[count++] = pollfd{wake_fd(), POLLIN, 0};
    if (display_fd >= 0) fds[count++] = pollfd{display_fd, POLLIN, 0};
    const int devices = device_watch_fd();
    if (devices >= 0) fds[count++] = pollfd{devices, POLLIN, 0};
    if (count == 0) {
        sleep_ms(1); // no way to block on anything: should not happen
        return;
    }
    const bool pump_often = input_unwatched || pads_need_pumping();
    poll(fds, static_cast<nfds_t>(count), pump_often ? unwatched_input_poll_ms : -1);
    if (devices >= 0 && (fds[count - 1].revents & POLLIN)) note_device_change();
}

void block_termination_signals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

} // namespace platform::detail
