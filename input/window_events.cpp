#include "input/window_events.h"

#include "input/polled_state.h"
#include "system/event.h"

namespace {

int event_id(platform::WindowEvent::Kind kind) {
    using platform::WindowEvent;
    switch (kind) {
    case WindowEvent::KeyDown:
        return EVENT_KEY_DOWN;
    case WindowEvent::KeyUp:
        return EVENT_KEY_UP;
    case WindowEvent::KeyChar:
        return EVENT_KEY_CHAR;
    case WindowEvent::MouseDown:
        return EVENT_MOUSE_DOWN;
    case WindowEvent::MouseUp:
        return EVENT_MOUSE_UP;
    case WindowEvent::MouseMove:
        return EVENT_MOUSE_MOVE;
    case WindowEvent::MouseWheel:
        return EVENT_MOUSE_WHEEL;
    case WindowEvent::MouseEnter:
        return EVENT_MOUSE_ENTER;
    case WindowEvent::MouseLeave:
        return EVENT_MOUSE_LEAVE;
    case WindowEvent::FocusGained:
        return EVENT_APP_RESUME;
    case WindowEvent::FocusLost:
        return EVENT_APP_SUSPEND;
    case WindowEvent::CloseRequest:
        return EVENT_APP_TERMINATE;
    case WindowEvent::PadPress:
        break;
    }
    return 0;
}

} // namespace

void emit_window_event(const platform::WindowEvent& event) {
    if (event.kind == platform::WindowEvent::PadPress) {
        press_pad_control(event.data);
        return;
    }
    const int id = event_id(event.kind);
    if (id == 0) return;
    const bool is_key = id == EVENT_KEY_DOWN || id == EVENT_KEY_UP;
    if (is_key && (event.data < 1 || event.data > 255)) return;
    emit_event(create_event(id, nullptr, event.data, event.mods, event.x, event.y));
}
