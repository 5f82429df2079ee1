// The window system of Windows.
#include "platform/internal.h"

namespace platform {

// Windows' OpenGL drivers draw on the calling thread already.
void detail::draw_software_frames_on_this_thread() {}

// There is only the one desktop: nothing to add to SDL's own reason.
std::string detail::displays_looked_for() {
    return {};
}

} // namespace platform
