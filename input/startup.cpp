#include "input/startup.h"

#include "input/window_events.h"
#include "platform/platform.h"
#include "system/startup.h"

namespace {

bool started = false;

void input_shutdown() {
    platform::set_window_event_handler(nullptr);
    started = false;
}

} // namespace

void input_startup() {
    if (started) return;
    started = true;
    platform::set_window_event_handler(emit_window_event);
    add_exit_hook(input_shutdown);
}
