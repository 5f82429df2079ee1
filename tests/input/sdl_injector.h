// Puts made-up SDL events into SDL's real queue, as the window system would,
// so the whole road from SDL to the polled state is exercised. Tests only.
#pragma once

#include <SDL2/SDL.h>

#include <vector>

namespace inject {

// The SDL window key events are sent to (0: none of the game's).
extern Uint32 key_window;

// The key's keycode defaults to what the current layout gives its scancode.
SDL_Event key(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym = SDLK_UNKNOWN,
              Uint16 mod = KMOD_NONE, bool repeat = false);

void push(const SDL_Event& event);
// All at once, so that no pump sees only some of them.
void push_together(std::vector<SDL_Event> events);

void press(SDL_Scancode scancode, SDL_Keycode sym = SDLK_UNKNOWN, Uint16 mod = KMOD_NONE);
void repeat(SDL_Scancode scancode, SDL_Keycode sym = SDLK_UNKNOWN, Uint16 mod = KMOD_NONE);
void release(SDL_Scancode scancode, SDL_Keycode sym = SDLK_UNKNOWN, Uint16 mod = KMOD_NONE);
void tap(SDL_Scancode scancode, SDL_Keycode sym = SDLK_UNKNOWN);

// Typed text, UTF-8, up to 31 bytes.
void text(const char* utf8);

void button(Uint32 type, Uint8 button, int x, int y);
void motion(int x, int y);
void wheel(int notches, bool flipped = false);
void window(SDL_WindowEventID what);
void quit();

// A pad of SDL's virtual joystick driver, which maps it as a standard
// controller: what it does reaches the game as a real pad's would. The
// game's pads must have been started (set_pad_keys).
class Pad {
  public:
    Pad();  // plugged in; the game opens it at its next pump
    ~Pad(); // unplugged
    Pad(const Pad&) = delete;
    Pad& operator=(const Pad&) = delete;

    // Pressed and released, each change queued for the game's next pump.
    void press(SDL_GameControllerButton button);
    // Held (or let go) until the next change; the game sees it when it pumps.
    void hold(SDL_GameControllerButton button, bool down = true);
    void stick(SDL_GameControllerAxis axis, int value);

  private:
    SDL_Joystick* joystick_;
};

} // namespace inject
