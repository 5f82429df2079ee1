// The polled-input hook: events from the window become key, character and
// mouse state that the game asks for at its own pace.
#include "input/input.h"
#include "input/polled_state.h"

#include "system/messages.h"

namespace {

bool hook_installed = false;

bool is_key(int code) {
    return code >= 1 && code <= 255;
}
bool is_button(int button) {
    return button >= 1 && button <= 3;
}

void press(std::int32_t& state, std::int32_t& hits) {
    // A key already down (auto-repeat, or a second report) counts nothing.
    if (state != 0) return;
    state = 1;
    ++hits;
}

void queue_char(PolledInput& input, std::int32_t code) {
    // Beyond 256 unread characters the newest are dropped.
    if (input.char_put - input.char_get >= 256) return;
    input.char_queue[input.char_put % 256] = code;
    ++input.char_put;
}

} // namespace

PolledInput& polled_input() {
    static auto* input = new PolledInput;
    return *input;
}

void clear_keys(PolledInput& input) {
    input.char_put = 0;
    input.char_get = 0;
    for (int key = 0; key < 256; ++key) {
        input.key_states[key] = 0;
        input.key_hits[key] = 0;
        input.pad_hits[key] = 0;
    }
}

void clear_mouse(PolledInput& input) {
    for (int button = 0; button < 4; ++button) {
        input.mouse_states[button] = 0;
        input.mouse_hits[button] = 0;
    }
    input.mouse_location[2] = 0;
}

void poll_if_automatic() {
    if (polled_input().auto_poll) pump_messages();
}

EventRef polled_input_hook(int, EventRef event, void*) {
    if (!event) return event;
    PolledInput& input = polled_input();
    if (input.input_source && input.input_source != event->source) return event;
    const std::int32_t data = event->data;
    switch (event->id) {
    case EVENT_KEY_DOWN:
        if (!is_key(data)) break;
        if (event->source == pad_source())
            ++input.pad_hits[data];
        else
            press(input.key_states[data], input.key_hits[data]);
        break;
    case EVENT_KEY_UP:
        if (is_key(data)) input.key_states[data] = 0;
        break;
    case EVENT_KEY_CHAR:
        queue_char(input, data);
        break;
    case EVENT_MOUSE_DOWN:
        if (is_button(data)) press(input.mouse_states[data], input.mouse_hits[data]);
        break;
    case EVENT_MOUSE_UP:
        if (is_button(data)) input.mouse_states[data] = 0;
        break;
    case EVENT_MOUSE_MOVE:
        input.mouse_location[0] = event->x;
        input.mouse_location[1] = event->y;
        break;
    case EVENT_MOUSE_WHEEL:
        input.mouse_location[2] += data;
        break;
    case EVENT_APP_SUSPEND:
    case EVENT_APP_RESUME:
        // Keys released while another window had the keyboard never report
        // their release here: forget everything and start afresh.
        clear_keys(input);
        clear_mouse(input);
        input.app_suspended = event->id == EVENT_APP_SUSPEND ? 1 : 0;
        break;
    case EVENT_APP_TERMINATE:
        input.app_terminate_requested = 1;
        break;
    default:
        break;
    }
    return event;
}

void enable_polled_input() {
    // Installed once however often a display opens, so no event counts twice.
    if (!hook_installed) {
        add_hook(emit_event_hook_id(), polled_input_hook, nullptr, 0);
        hook_installed = true;
    }
    polled_input().input_source = nullptr;
    flush_keys();
    flush_mouse();
}

void disable_polled_input() {
    if (hook_installed) {
        remove_hook(emit_event_hook_id(), polled_input_hook, nullptr);
        hook_installed = false;
    }
    flush_keys();
    flush_mouse();
}

int app_terminate() {
    poll_if_automatic();
    PolledInput& input = polled_input();
    const int requested = input.app_terminate_requested;
    input.app_terminate_requested = 0;
    return requested;
}
