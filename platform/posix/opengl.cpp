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

} // namespace platform
