// Threads on Windows.
#include "platform/platform.h"
#include "platform/process.h"

#include <windows.h>

namespace platform {

// Windows hands the console's Ctrl+C and closing to a thread of its own
// making, never to ours: nothing to set up here.
std::thread start_background_thread(std::function<void()> body) {
    return std::thread(std::move(body));
}

bool background_threads_available() {
    return true;
}

// The thread wakes every few milliseconds for a few microseconds of work;
// the highest priority of the process's class keeps it from waiting behind
// busy threads when the machine is loaded.
void make_thread_urgent() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
}

} // namespace platform
