// SDL events into the game's window events.
#include "platform/internal.h"

namespace platform::detail {

void translate_event(const SDL_Event& event, WindowEventHandler handler) {
    if (!handler) return;
    switch (event.type) {
    case SDL_QUIT:
        handler(WindowEvent{WindowEvent::CloseRequest});
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            handler(WindowEvent{WindowEvent::FocusGained});
        else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
            handler(WindowEvent{WindowEvent::FocusLost});
        break;
    default:
        break;
    }
}

} // namespace platform::detail
