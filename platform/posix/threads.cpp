// Threads on POSIX systems.
#include "platform/internal.h"
#include "platform/posix/posix.h"
#include "platform/process.h"

#include <algorithm>
#include <pthread.h>
#include <sched.h>

namespace platform {

std::thread start_background_thread(std::function<void()> body) {
    return std::thread([body = std::move(body)] {
        // Signals go to any thread that does not block them; the main
        // thread waits for them, so they must reach it.
        detail::block_termination_signals();
        body();
    });
}

bool background_threads_available() {
    return true;
}

void make_thread_urgent() {
    // A low real-time priority first: the thread wakes every few
    // milliseconds for a few microseconds of work, and ordinary priorities
    // (even the highest) still leave it waiting behind busy sessions when
    // the machine is loaded. Without the right to that, the strongest
    // ordinary priority the system grants.
    sched_param param{};
    param.sched_priority =
        std::min(sched_get_priority_min(SCHED_RR) + 9, sched_get_priority_max(SCHED_RR));
    if (pthread_setschedparam(pthread_self(), SCHED_RR, &param) == 0) return;
    SDL_SetThreadPriority(SDL_THREAD_PRIORITY_TIME_CRITICAL);
}

} // namespace platform
