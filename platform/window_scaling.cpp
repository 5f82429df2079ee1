// Scaled windows: a picture of fixed size shown as large as the window
// allows, in a window or on the whole desktop.
#include "platform/internal.h"

#include <algorithm>

namespace platform {
namespace {

Presentation presentation;

// The window's frame is not known before the window exists; this leaves
// room for a title bar on the usual desktops.
constexpr int title_bar_room = 48;

int fitting_scale(int picture_width, int picture_height) {
    SDL_Rect usable{0, 0, picture_width, picture_height};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    int across = usable.w / picture_width;
    int down = (usable.h - title_bar_room) / picture_height;
    return std::max(1, std::min(across, down));
}

bool is_enter(const SDL_Keysym& key) {
    return key.scancode == SDL_SCANCODE_RETURN || key.scancode == SDL_SCANCODE_KP_ENTER;
}

// A key whose press toggled full screen keeps its release from the game
// too, even when Alt was let go first.
SDL_Scancode held_window_key = SDL_SCANCODE_UNKNOWN;

} // namespace

void set_presentation(const Presentation& wanted) {
    presentation = wanted;
}

void detail::scaled_window_geometry(const WindowSpec& spec, int& width, int& height,
                                    Uint32& flags) {
    int scale =
        presentation.scale > 0 ? presentation.scale : fitting_scale(spec.width, spec.height);
    width = spec.width * scale;
    height = spec.height * scale;
    flags |= SDL_WINDOW_RESIZABLE;
    if (presentation.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
}

bool is_fullscreen(Window* window) {
    return window && (SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_FULLSCREEN) != 0;
}

void toggle_fullscreen(Window* window) {
    if (!window || !window->scaled) return;
    SDL_SetWindowFullscreen(window->sdl, is_fullscreen(window) ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void stop_scaling(Window* window) {
    if (!window || !window->scaled) return;
    window->scaled = false;
    SDL_SetWindowFullscreen(window->sdl, 0);
    SDL_SetWindowResizable(window->sdl, SDL_FALSE);
    SDL_SetWindowSize(window->sdl, window->picture_width, window->picture_height);
}

PictureRect fit_picture(int w, int h, int pw, int ph) {
    PictureRect rect;
    rect.window_width = w;
    rect.window_height = h;
    if (pw <= 0 || ph <= 0) return rect;
    // The widest rectangle of the picture's shape that fits.
    if (static_cast<long long>(w) * ph <= static_cast<long long>(h) * pw) {
        rect.width = w;
        rect.height = static_cast<int>(static_cast<long long>(w) * ph / pw);
    } else {
        rect.height = h;
        rect.width = static_cast<int>(static_cast<long long>(h) * pw / ph);
    }
    rect.x = (w - rect.width) / 2;
    rect.y = (h - rect.height) / 2;
    rect.whole = std::min(rect.width / pw, rect.height / ph);
    return rect;
}

PictureRect picture_rect(Window* window) {
    if (!window) return {};
    int w = 0, h = 0;
    detail::shown_area_size(window, w, h);
    return fit_picture(w, h, window->picture_width, window->picture_height);
}

void detail::window_to_picture(Window* window, int& x, int& y) {
    if (!window || !window->scaled) return;
    PictureRect rect = picture_rect(window);
    if (rect.width <= 0 || rect.height <= 0) return;
    // Window coordinates may differ from drawable pixels on dense screens.
    int ww = rect.window_width, wh = rect.window_height;
    SDL_GetWindowSize(window->sdl, &ww, &wh);
    const long long px = static_cast<long long>(x) * rect.window_width / std::max(ww, 1);
    const long long py = static_cast<long long>(y) * rect.window_height / std::max(wh, 1);
    x = static_cast<int>((px - rect.x) * window->picture_width / rect.width);
    y = static_cast<int>((py - rect.y) * window->picture_height / rect.height);
}

bool detail::window_key(const SDL_KeyboardEvent& key) {
    const SDL_Keysym& sym = key.keysym;
    if (key.type == SDL_KEYUP) {
        if (sym.scancode != held_window_key) return false;
        held_window_key = SDL_SCANCODE_UNKNOWN;
        return true;
    }
    // A key held since before Alt went down repeats as Alt+Enter: it was
    // the game's when pressed and stays the game's until released.
    if (key.repeat) return sym.scancode == held_window_key;
    const bool toggles =
        sym.scancode == SDL_SCANCODE_F11 || (is_enter(sym) && (sym.mod & KMOD_ALT) != 0);
    Window* window = window_of(SDL_GetWindowFromID(key.windowID));
    // Where the window cannot change, the keys are the game's like any other.
    if (!toggles || !window || !window->scaled) return false;
    held_window_key = sym.scancode;
    toggle_fullscreen(window);
    return true;
}

} // namespace platform
