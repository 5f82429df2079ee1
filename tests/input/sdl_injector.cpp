#include "tests/input/sdl_injector.h"

#include <cstring>
#include <stdexcept>

namespace inject {

Uint32 key_window = 0;

SDL_Event key(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod, bool repeat) {
    SDL_Event event{};
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.windowID = key_window;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = sym != SDLK_UNKNOWN ? sym : SDL_GetKeyFromScancode(scancode);
    event.key.keysym.mod = mod;
    return event;
}

void push(const SDL_Event& event) {
    SDL_Event copy = event;
    if (SDL_PushEvent(&copy) != 1) throw std::runtime_error(SDL_GetError());
}

void push_together(std::vector<SDL_Event> events) {
    const int count = static_cast<int>(events.size());
    if (SDL_PeepEvents(events.data(), count, SDL_ADDEVENT, 0, 0) != count)
        throw std::runtime_error(SDL_GetError());
}

void press(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod) {
    push(key(SDL_KEYDOWN, scancode, sym, mod));
}

void repeat(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod) {
    push(key(SDL_KEYDOWN, scancode, sym, mod, true));
}

void release(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod) {
    push(key(SDL_KEYUP, scancode, sym, mod));
}

void tap(SDL_Scancode scancode, SDL_Keycode sym) {
    press(scancode, sym);
    release(scancode, sym);
}

void text(const char* utf8) {
    SDL_Event event{};
    event.text.type = SDL_TEXTINPUT;
    if (std::strlen(utf8) >= sizeof event.text.text) throw std::invalid_argument("text too long");
    std::strcpy(event.text.text, utf8);
    push(event);
}

void button(Uint32 type, Uint8 which, int x, int y) {
    SDL_Event event{};
    event.button.type = type;
    event.button.button = which;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = x;
    event.button.y = y;
    push(event);
}

void motion(int x, int y) {
    SDL_Event event{};
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    push(event);
}

void wheel(int notches, bool flipped) {
    SDL_Event event{};
    event.wheel.type = SDL_MOUSEWHEEL;
    event.wheel.y = flipped ? -notches : notches;
    event.wheel.preciseY = static_cast<float>(event.wheel.y);
    event.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
    push(event);
}

void window(SDL_WindowEventID what) {
    SDL_Event event{};
    event.window.type = SDL_WINDOWEVENT;
    event.window.event = static_cast<Uint8>(what);
    push(event);
}

void quit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    push(event);
}

Pad::Pad() {
    // SDL passes pads by while none of the program's windows has the
    // keyboard, and windows of the offscreen driver never get it.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_VirtualJoystickDesc pad{};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&pad));
    if (!joystick_) throw std::runtime_error(SDL_GetError());
}

Pad::~Pad() {
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    for (int index = 0; index < SDL_NumJoysticks(); ++index)
        if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
}

void Pad::hold(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
}

void Pad::press(SDL_GameControllerButton button) {
    hold(button);
    SDL_JoystickUpdate();
    hold(button, false);
    SDL_JoystickUpdate();
}

void Pad::stick(SDL_GameControllerAxis axis, int value) {
    SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
    SDL_JoystickUpdate();
}

} // namespace inject
