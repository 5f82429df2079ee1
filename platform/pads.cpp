// Pads through SDL's game-controller interface: opened as they are plugged
// in, closed as they go, their buttons and left stick turned into presses.
#include "platform/internal.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace platform {
namespace {

// The left stick counts as a direction once it is pushed past half way, and
// only once a push: the push ends when the stick comes back under a quarter,
// so a thumb resting near half way does not press again and again.
constexpr int stick_pushed = 16384;
constexpr int stick_back = 8192;

struct Pad {
    SDL_JoystickID id;
    SDL_GameController* controller;
    int pushed[2]; // left stick across, down: -1, 0 or 1
};

std::vector<Pad> pads;
bool started = false;

Pad* find_pad(SDL_JoystickID id) {
    auto pad = std::find_if(pads.begin(), pads.end(), [id](const Pad& p) { return p.id == id; });
    return pad == pads.end() ? nullptr : &*pad;
}

void open_pad(int device_index) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device_index);
    if (id < 0 || find_pad(id)) return;
    if (SDL_GameController* controller = SDL_GameControllerOpen(device_index))
        pads.push_back(Pad{id, controller, {0, 0}});
}

void close_pad(SDL_JoystickID id) {
    Pad* pad = find_pad(id);
    if (!pad) return;
    SDL_GameControllerClose(pad->controller);
    pads.erase(pads.begin() + (pad - pads.data()));
}

// SDL's buttons, in the order of PadControl; every other button is Other.
constexpr SDL_GameControllerButton control_buttons[] = {
    SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
    SDL_CONTROLLER_BUTTON_DPAD_UP,   SDL_CONTROLLER_BUTTON_DPAD_DOWN,
    SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_START,     SDL_CONTROLLER_BUTTON_BACK};

PadControl button_control(Uint8 button) {
    const auto* found = std::find(std::begin(control_buttons), std::end(control_buttons), button);
    if (found == std::end(control_buttons)) return PadControl::Other;
    return static_cast<PadControl>(found - std::begin(control_buttons));
}

// Follows one axis of the left stick; true when this motion starts a push.
bool push_stick(int& pushed, int value) {
    if (pushed != 0 && value * pushed >= stick_back) return false;
    pushed = value > stick_pushed ? 1 : value < -stick_pushed ? -1 : 0;
    return pushed != 0;
}

void send_press(WindowEventHandler handler, PadControl control) {
    if (handler) handler(WindowEvent{WindowEvent::PadPress, static_cast<int>(control)});
}

void translate_stick(const SDL_ControllerAxisEvent& motion, WindowEventHandler handler) {
    Pad* pad = find_pad(motion.which);
    if (!pad) return;
    if (motion.axis == SDL_CONTROLLER_AXIS_LEFTX && push_stick(pad->pushed[0], motion.value))
        send_press(handler, pad->pushed[0] < 0 ? PadControl::Left : PadControl::Right);
    if (motion.axis == SDL_CONTROLLER_AXIS_LEFTY && push_stick(pad->pushed[1], motion.value))
        send_press(handler, pad->pushed[1] < 0 ? PadControl::Up : PadControl::Down);
}

} // namespace

void start_pads() {
    if (started || !detail::ensure_sdl_events()) return;
    // SDL reads its mapping database, and the player's own mappings from
    // SDL_GAMECONTROLLERCONFIG, here; the pads connected now arrive as
    // SDL_CONTROLLERDEVICEADDED events like any plugged in later.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    started = true;
    detail::watch_input_devices();
}

int open_pad_count() {
    return static_cast<int>(pads.size());
}

namespace detail {

bool is_pad_event(Uint32 type) {
    return type == SDL_CONTROLLERDEVICEADDED || type == SDL_CONTROLLERDEVICEREMOVED ||
           type == SDL_CONTROLLERBUTTONDOWN || type == SDL_CONTROLLERAXISMOTION;
}

void translate_pad_event(const SDL_Event& event, WindowEventHandler handler) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open_pad(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        close_pad(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
        send_press(handler, button_control(event.cbutton.button));
        break;
    case SDL_CONTROLLERAXISMOTION:
        translate_stick(event.caxis, handler);
        break;
    default:
        break;
    }
}

bool pads_open() {
    return !pads.empty();
}

} // namespace detail

void close_all_pads() {
    while (!pads.empty()) close_pad(pads.back().id);
}

} // namespace platform
