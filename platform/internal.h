// Shared between the files of the platform layer; not for the rest of the program.
#pragma once

#include "platform/platform.h"

#include <SDL2/SDL.h>

#include <vector>

namespace platform {

struct Window {
    SDL_Window* sdl = nullptr; // the window the player sees
    SDL_GLContext context = nullptr;
    int picture_width = 0, picture_height = 0; // what the caller draws
    bool scaled = false;
    // When the caller writes the shown window's pixels itself, OpenGL draws
    // on this hidden window of the picture's own size instead.
    SDL_Window* gl_host = nullptr;
    // The window system lost what was shown (or never had it): the next
    // pixels asked for must all be written and shown.
    bool repaint = true;
    int pixels_width = 0, pixels_height = 0; // of the window's pixels last asked for
    // The window's pixels as the caller writes them, where the window
    // system's own buffer has another layout; converted when shown.
    std::vector<std::uint32_t> staging;
};

} // namespace platform

namespace platform::detail {

// Starts SDL's event machinery once (and our signal handling with it).
// Returns false if SDL cannot start at all.
bool ensure_sdl_events();

// Starts SDL's video subsystem once. Returns false when no video driver works.
bool ensure_sdl_video();

// Settings of the OpenGL driver that must be made before it, or SDL, starts
// a thread (the environment is not safe to change once they run).
void draw_software_frames_on_this_thread();

// Which displays the window system looked for, as a note for the player to
// add to the reason no window opened: " (DISPLAY is :0, ...)", or empty.
std::string displays_looked_for();

// What the system needs before SDL starts: the means to wake a wait, made
// before any other thread can post a notice (and on Windows, SDL's word
// that the program's entry, a plain main, is ready for it).
void prepare_system_for_sdl();

// From now on Ctrl+C and termination requests (signals; on Windows the
// console's Ctrl+C and closing) call note_termination_request().
void watch_termination_requests();

// Hands the main thread a close request and wakes it. Async-signal-safe.
void note_termination_request();

// The window whose input a wait must wake for (null when none is open).
void watch_window_input(SDL_Window* window);

// A wait: forget_wakeups() first, then look for anything that arrived, and
// only then sleep_until_woken(), which returns once something may have
// arrived since (or after a few milliseconds, while input must be looked
// for rather than waited for).
void forget_wakeups();
void sleep_until_woken();

// The game's virtual-key code of a key (1..255), 0 for keys that have none.
int virtual_key_code(const SDL_Keysym& key);

// Turns one SDL event into window events for `handler` (zero, one or more).
void translate_event(const SDL_Event& event, WindowEventHandler handler);

// Our window behind an SDL window, or null.
Window* window_of(SDL_Window* sdl);
// A point of the window's drawable area as a point of its picture.
void window_to_picture(Window* window, int& x, int& y);
// What a scaled window is opened as: size, flags.
void scaled_window_geometry(const WindowSpec& spec, int& width, int& height, Uint32& flags);
// Opens the SDL window a spec asks for, with these extra flags; null on failure.
SDL_Window* create_sdl_window(const WindowSpec& spec, Uint32 flags);
// The window system says the window must be drawn again (uncovered, resized).
void note_window_exposed(SDL_Window* sdl);
// The size in pixels of the area the picture is shown in.
void shown_area_size(Window* window, int& width, int& height);
// Keys that belong to the window (full screen), taken before the game sees
// them; true when the key event was one of them.
bool window_key(const SDL_KeyboardEvent& key);

// Whether an SDL event concerns pads, and its translation into PadPress
// events for `handler` (opening and closing pads as they come and go).
bool is_pad_event(Uint32 type);
void translate_pad_event(const SDL_Event& event, WindowEventHandler handler);
bool pads_open();

// Watches for input devices coming and going, so that a wait wakes when a
// pad is plugged in.
void watch_input_devices();

// Whether a wait must pump every few milliseconds for SDL to read pads.
bool pads_need_pumping();

// Wakes a thread blocked in wait_events(). Async-signal-safe.
void wake_main_thread();

} // namespace platform::detail

namespace platform {
void stop_all_tick_sources();
void close_all_windows();
void close_all_pads();
} // namespace platform
