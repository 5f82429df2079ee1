// The window systems of Linux: X11 and Wayland, drawn on by Mesa.
#include "platform/internal.h"

#include <cstdlib>

namespace platform {

// Mesa's software rasteriser shares each frame out among threads of its
// own. A 640 x 480 frame of a 2D game is a millisecond or two of work, and
// handing it over and back costs more than the sharing saves: drawn on the
// calling thread it takes a third less CPU. Other drivers ignore the
// setting, and a player's own choice is kept.
void detail::draw_software_frames_on_this_thread() {
    setenv("LP_NUM_THREADS", "0", 0);
}

// SDL names the drivers it tried; which display they looked for is what a
// player can put right.
std::string detail::displays_looked_for() {
    const char* display = SDL_getenv("DISPLAY");
    const char* wayland = SDL_getenv("WAYLAND_DISPLAY");
    return std::string(" (DISPLAY ") +
           (display && *display ? std::string("is ") + display : "is not set") +
           ", WAYLAND_DISPLAY " +
           (wayland && *wayland ? std::string("is ") + wayland : "is not set") + ")";
}

} // namespace platform
