// The browser build has one thread: what runs on threads on the desktop (tick
// sources, the mixer's service) is driven by the page's clock and its audio
// callback instead.
#include "platform/process.h"

#include <system_error>

namespace platform {

std::thread start_background_thread(std::function<void()>) {
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again),
                            "no threads in the browser");
}

bool background_threads_available() {
    return false;
}

void make_thread_urgent() {}

} // namespace platform
