// SDL events into the game's window events.
#include "platform/internal.h"

#include <cstring>

namespace platform::detail {
namespace {

// Modifier bits as of the last key event dispatched. Each key event carries
// SDL's modifier state at the moment it happened; asking SDL now would give
// the state after everything still queued, which is wrong for a click or a
// character that came before a later Shift release.
int current_mods = 0;

int modifier_bits(Uint16 mod) {
    int bits = 0;
    if (mod & KMOD_SHIFT) bits |= 1;
    if (mod & KMOD_CTRL) bits |= 2;
    if (mod & KMOD_ALT) bits |= 4;
    if (mod & KMOD_GUI) bits |= 8;
    return bits;
}

// A position in a window, as a position of the picture it shows.
void to_picture(Uint32 window_id, int& x, int& y) {
    window_to_picture(window_of(SDL_GetWindowFromID(window_id)), x, y);
}

void send(WindowEventHandler handler, WindowEvent::Kind kind, int data = 0, int x = 0, int y = 0) {
    WindowEvent event{kind};
    event.data = data;
    event.mods = current_mods;
    event.x = x;
    event.y = y;
    handler(event);
}

// Enter, Backspace, Tab and Escape type a character of their own on the
// platform the game was made for (auto-repeats included), and name entry
// relies on that to end and erase. SDL sends no text for them.
bool types_control_character(int code) {
    return code == 8 || code == 9 || code == 13 || code == 27;
}

void translate_key(const SDL_KeyboardEvent& key, WindowEventHandler handler) {
    if (window_key(key)) return;
    const int code = virtual_key_code(key.keysym);
    if (code == 0) return;
    if (key.type == SDL_KEYUP) {
        send(handler, WindowEvent::KeyUp, code);
        return;
    }
    if (!key.repeat) send(handler, WindowEvent::KeyDown, code);
    if (types_control_character(code)) send(handler, WindowEvent::KeyChar, code);
}

// The next code point of UTF-8 text, advancing `at`. A malformed or overlong
// sequence gives -1 and skips its first byte only, so the text after it is
// still read and no byte is ever taken for a character it does not encode.
long next_code_point(const unsigned char*& at, const unsigned char* end) {
    const unsigned char lead = *at++;
    if (lead < 0x80) return lead;
    int length = 0;
    long value = 0;
    long lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
        value = lead & 0x1F;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        value = lead & 0x0F;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        value = lead & 0x07;
        lowest = 0x10000;
    } else {
        return -1;
    }
    if (end - at < length) return -1;
    for (int i = 0; i < length; ++i) {
        if ((at[i] & 0xC0) != 0x80) return -1;
        value = (value << 6) | (at[i] & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return -1;
    at += length;
    return value;
}

// Typed text: characters of one byte's range (Latin-1) reach the game, others
// have no code there and are dropped.
void translate_text(const SDL_TextInputEvent& text, WindowEventHandler handler) {
    const auto* at = reinterpret_cast<const unsigned char*>(text.text);
    const auto* end = at + strnlen(text.text, sizeof text.text);
    while (at < end) {
        const long code = next_code_point(at, end);
        if (code > 0 && code < 256) send(handler, WindowEvent::KeyChar, static_cast<int>(code));
    }
}

int button_number(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 3;
    default:
        return 0;
    }
}

// SDL captures the mouse itself while a button is held (its auto-capture),
// so a release outside the window still arrives.
void translate_button(const SDL_MouseButtonEvent& button, WindowEventHandler handler) {
    const int number = button_number(button.button);
    if (number == 0) return;
    int x = button.x, y = button.y;
    to_picture(button.windowID, x, y);
    send(handler,
         button.type == SDL_MOUSEBUTTONDOWN ? WindowEvent::MouseDown : WindowEvent::MouseUp, number,
         x, y);
}

void translate_wheel(const SDL_MouseWheelEvent& wheel, WindowEventHandler handler) {
    int notches = wheel.y;
    if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
    // Sideways scrolling has no event of its own in the game.
    int x = wheel.mouseX, y = wheel.mouseY;
    to_picture(wheel.windowID, x, y);
    if (notches != 0) send(handler, WindowEvent::MouseWheel, notches, x, y);
}

void translate_window(const SDL_WindowEvent& window, WindowEventHandler handler) {
    int x = 0;
    int y = 0;
    switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        send(handler, WindowEvent::FocusGained);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        send(handler, WindowEvent::FocusLost);
        break;
    case SDL_WINDOWEVENT_ENTER:
        SDL_GetMouseState(&x, &y);
        to_picture(window.windowID, x, y);
        send(handler, WindowEvent::MouseEnter, 0, x, y);
        break;
    case SDL_WINDOWEVENT_LEAVE:
        SDL_GetMouseState(&x, &y);
        to_picture(window.windowID, x, y);
        send(handler, WindowEvent::MouseLeave, 0, x, y);
        break;
    case SDL_WINDOWEVENT_CLOSE: {
        // SDL says quit only when its last window closes; a window whose
        // picture is drawn on a hidden one of its own is not SDL's last.
        Window* ours = window_of(SDL_GetWindowFromID(window.windowID));
        if (ours && ours->gl_host) send(handler, WindowEvent::CloseRequest);
        break;
    }
    default:
        break;
    }
}

} // namespace

void translate_event(const SDL_Event& event, WindowEventHandler handler) {
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
        current_mods = modifier_bits(event.key.keysym.mod);
    // Pads come and go whether or not anyone listens.
    if (is_pad_event(event.type)) {
        translate_pad_event(event, handler);
        return;
    }
    if (event.type == SDL_WINDOWEVENT && (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                                          event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED))
        note_window_exposed(SDL_GetWindowFromID(event.window.windowID));
    if (!handler) return;
    switch (event.type) {
    // The last window's close button arrives as SDL_QUIT (and nothing else
    // does: termination signals are caught by the event queue itself).
    case SDL_QUIT:
        send(handler, WindowEvent::CloseRequest);
        break;
    case SDL_WINDOWEVENT:
        translate_window(event.window, handler);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        translate_key(event.key, handler);
        break;
    case SDL_TEXTINPUT:
        translate_text(event.text, handler);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        translate_button(event.button, handler);
        break;
    case SDL_MOUSEMOTION: {
        int x = event.motion.x, y = event.motion.y;
        to_picture(event.motion.windowID, x, y);
        send(handler, WindowEvent::MouseMove, 0, x, y);
        break;
    }
    case SDL_MOUSEWHEEL:
        translate_wheel(event.wheel, handler);
        break;
    default:
        break;
    }
}

} // namespace platform::detail
