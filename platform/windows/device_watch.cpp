// When a wait must wake for pads on Windows. SDL reads pads only while
// events are pumped, so while one is open a wait pumps every few
// milliseconds. With none open a wait blocks: SDL hears of a pad plugged in
// through the system's device-arrival message, which wakes the wait like any
// other message for this thread.
#include "platform/internal.h"

namespace platform::detail {

void watch_input_devices() {}

bool pads_need_pumping() {
    return pads_open();
}

} // namespace platform::detail
