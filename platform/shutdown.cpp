#include "platform/internal.h"

namespace platform {

void shutdown() {
    stop_all_tick_sources();
    close_audio();
    close_all_windows();
    close_all_pads();
}

} // namespace platform
