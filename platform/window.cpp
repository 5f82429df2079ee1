// Windows with an OpenGL compatibility context (immediate mode, GL 1.1 calls).
#include "platform/internal.h"

#ifdef __EMSCRIPTEN__
#include "platform/emscripten/web.h"
#endif

#include <algorithm>
#include <vector>

namespace platform {

namespace {

std::string window_title = "Orvessa";
std::string last_window_error;
std::vector<Window*> open_windows;
int last_swap_interval = -1; // none set yet

// OpenGL 1.1's calls: a compatibility profile on the desktop; in a browser,
// WebGL 1.0 (OpenGL ES 2.0) under emscripten's emulation of those calls.
void ask_for_fixed_function_context() {
#ifdef __EMSCRIPTEN__
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
#else
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
#endif
}

} // namespace

void set_window_title(const std::string& title) {
    window_title = title;
    for (Window* window : open_windows) SDL_SetWindowTitle(window->sdl, title.c_str());
}

Window* open_window(const WindowSpec& asked) {
    WindowSpec spec = asked;
#ifdef __EMSCRIPTEN__
    // The page scales the canvas to the browser's window itself.
    spec.scaled = false;
#endif
    if (!detail::ensure_sdl_video()) {
        last_window_error = SDL_GetError() + detail::displays_looked_for();
        return nullptr;
    }
    // Loaded once for the whole run: SDL would otherwise unload the OpenGL
    // driver with each last window and load it afresh with the next display,
    // and the driver's memory would be reported lost by leak checkers.
    static const bool gl_library_loaded = SDL_GL_LoadLibrary(nullptr) == 0;
    (void)gl_library_loaded;
    SDL_GL_ResetAttributes();
    ask_for_fixed_function_context();
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, spec.alpha_bits ? 8 : 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, spec.depth_bits ? 16 : 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, spec.stencil_bits ? 8 : 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, spec.accum_bits ? 8 : 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, spec.accum_bits ? 8 : 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, spec.accum_bits ? 8 : 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, spec.double_buffer ? 1 : 0);

    // A scaled window opens hidden: its caller shows it once it knows how
    // the picture will reach it (show_scaled_window).
    SDL_Window* sdl =
        detail::create_sdl_window(spec, SDL_WINDOW_OPENGL | (spec.scaled ? SDL_WINDOW_HIDDEN : 0));
    if (!sdl) {
        last_window_error = SDL_GetError();
        return nullptr;
    }
#ifdef __EMSCRIPTEN__
    detail::prepare_canvas_context();
#endif
    SDL_GLContext context = SDL_GL_CreateContext(sdl);
    if (!context) {
        last_window_error = SDL_GetError();
        SDL_DestroyWindow(sdl);
        return nullptr;
    }
    // Typed characters arrive only while SDL's text input is on. SDL turns it
    // on when video starts on the desktop; without it no name could be typed.
    if (!SDL_IsTextInputActive()) SDL_StartTextInput();
    auto* window = new Window;
    window->sdl = sdl;
    window->context = context;
    window->picture_width = spec.width;
    window->picture_height = spec.height;
    window->scaled = spec.scaled;
    open_windows.push_back(window);
    last_swap_interval = -1;
    detail::watch_window_input(sdl);
    return window;
}

SDL_Window* detail::create_sdl_window(const WindowSpec& spec, Uint32 flags) {
    int x = spec.fullscreen ? 0 : spec.x;
    int y = spec.fullscreen ? 0 : spec.y;
    int width = spec.width, height = spec.height;
    if (spec.fullscreen) flags |= SDL_WINDOW_FULLSCREEN;
    if (spec.scaled) {
        detail::scaled_window_geometry(spec, width, height, flags);
        x = y = SDL_WINDOWPOS_CENTERED;
    }
    if (!(flags & SDL_WINDOW_HIDDEN)) flags |= SDL_WINDOW_SHOWN;
    return SDL_CreateWindow(window_title.c_str(), x, y, width, height, flags);
}

void close_window(Window* window) {
    if (!window) return;
    open_windows.erase(std::remove(open_windows.begin(), open_windows.end(), window),
                       open_windows.end());
    if (SDL_GL_GetCurrentContext() == window->context) SDL_GL_MakeCurrent(nullptr, nullptr);
    SDL_GL_DeleteContext(window->context);
    SDL_DestroyWindow(window->sdl);
    if (window->gl_host) SDL_DestroyWindow(window->gl_host);
    delete window;
    if (open_windows.empty()) detail::watch_window_input(nullptr);
    last_swap_interval = -1;
}

bool make_current(Window* window) {
    if (!window) return SDL_GL_MakeCurrent(nullptr, nullptr) == 0;
    SDL_Window* drawn = window->gl_host ? window->gl_host : window->sdl;
    return SDL_GL_MakeCurrent(drawn, window->context) == 0;
}

bool set_swap_interval(int interval) {
    // A refused interval is not asked for again until a different one is
    // wanted: under some X servers every request fails, and asking each frame
    // costs a round trip.
    if (interval == last_swap_interval) return true;
    last_swap_interval = interval;
    return SDL_GL_SetSwapInterval(interval) == 0;
}

void swap_window(Window* window) {
    // A hidden window's buffers are never seen: its picture is read back.
    if (window && !window->gl_host) SDL_GL_SwapWindow(window->sdl);
}

void* gl_proc_address(const char* name) {
    void* function = SDL_GL_GetProcAddress(name);
#ifdef __EMSCRIPTEN__
    if (!function) function = detail::emulated_gl_function(name);
#endif
    return function;
}

std::vector<DisplayMode> display_modes() {
    std::vector<DisplayMode> modes;
    if (!detail::ensure_sdl_video()) return modes;
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
        modes.push_back(
            {mode.w, mode.h, static_cast<int>(SDL_BITSPERPIXEL(mode.format)), mode.refresh_rate});
    }
    return modes;
}

void show_pointer(bool shown) {
    if (!detail::ensure_sdl_video()) return;
    SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

void warp_pointer(Window* window, int x, int y) {
    if (!window) return;
    if (window->scaled) {
        PictureRect rect = picture_rect(window);
        if (window->picture_width <= 0 || window->picture_height <= 0) return;
        x = rect.x + x * rect.width / window->picture_width;
        y = rect.y + y * rect.height / window->picture_height;
    }
    SDL_WarpMouseInWindow(window->sdl, x, y);
}

std::string window_error() {
    return last_window_error;
}

Window* detail::window_of(SDL_Window* sdl) {
    for (Window* window : open_windows)
        if (window->sdl == sdl) return window;
    return nullptr;
}

void close_all_windows() {
    while (!open_windows.empty()) close_window(open_windows.back());
}

} // namespace platform
