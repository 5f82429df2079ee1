// Mouse queries over the polled state, and the pointer's visibility.
#include "input/input.h"
#include "input/polled_state.h"

#include "platform/platform.h"
#include "system/messages.h"

namespace {

bool is_button(int button) {
    return button >= 1 && button <= 3;
}

} // namespace

int mouse_hit(int button) {
    poll_if_automatic();
    if (!is_button(button)) return 0;
    PolledInput& input = polled_input();
    const int hits = input.mouse_hits[button];
    input.mouse_hits[button] = 0;
    return hits;
}

int mouse_down(int button) {
    poll_if_automatic();
    if (!is_button(button)) return 0;
    return polled_input().mouse_states[button];
}

int mouse_x() {
    poll_if_automatic();
    return polled_input().mouse_location[0];
}

int mouse_y() {
    poll_if_automatic();
    return polled_input().mouse_location[1];
}

int mouse_z() {
    poll_if_automatic();
    return polled_input().mouse_location[2];
}

void flush_mouse() {
    pump_messages();
    clear_mouse(polled_input());
}

// The platform's pointer is simply shown or hidden, never counted, so
// repeated calls cannot stack up.
void show_mouse() {
    platform::show_pointer(true);
}
void hide_mouse() {
    platform::show_pointer(false);
}
