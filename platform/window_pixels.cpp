// Showing a scaled window's picture by writing the window's pixels: for
// software rasterisers, which draw the small picture cheaply but cost a
// shaded pass over every pixel of a large window to scale it. The window
// system's own buffer takes the pixels (shared memory on X11, a DIB on
// Windows) and the context draws on a hidden window of the picture's size.
#include "platform/internal.h"

#include <algorithm>

namespace platform {
namespace {

// Moves the context onto a hidden window of the picture's size; null (and
// the context left where it was) when that cannot be had.
SDL_Window* hidden_host(Window* window) {
    WindowSpec spec;
    spec.width = window->picture_width;
    spec.height = window->picture_height;
    SDL_Window* host = detail::create_sdl_window(spec, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (host && SDL_GL_MakeCurrent(host, window->context) == 0) return host;
    if (host) SDL_DestroyWindow(host);
    SDL_GL_MakeCurrent(window->sdl, window->context);
    return nullptr;
}

// A window of the same geometry without OpenGL, whose pixels the window
// system can take directly; null when it has no buffer for them.
SDL_Window* pixel_window(Window* window) {
    // Left to itself SDL would put a window's pixels on the screen through
    // a texture of its own renderer: on a software rasteriser that is the
    // very shaded pass this route avoids.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    WindowSpec spec;
    spec.width = window->picture_width;
    spec.height = window->picture_height;
    spec.scaled = true;
    SDL_Window* shown = detail::create_sdl_window(spec, SDL_WINDOW_HIDDEN);
    if (shown && SDL_GetWindowSurface(shown)) return shown;
    if (shown) SDL_DestroyWindow(shown);
    return nullptr;
}

bool takes_pixels_directly(const SDL_Surface* surface) {
    return surface->format->format == SDL_PIXELFORMAT_RGB888 ||
           surface->format->format == SDL_PIXELFORMAT_ARGB8888;
}

} // namespace

PictureRoute show_scaled_window(Window* window, PictureRoute wanted) {
    if (!window) return PictureRoute::OpenGL;
    if (wanted == PictureRoute::Pixels && !window->gl_host) {
        SDL_Window* host = hidden_host(window);
        SDL_Window* shown = host ? pixel_window(window) : nullptr;
        if (shown) {
            SDL_DestroyWindow(window->sdl);
            window->sdl = shown;
            window->gl_host = host;
            window->repaint = true;
        } else if (host) {
            SDL_GL_MakeCurrent(window->sdl, window->context);
            SDL_DestroyWindow(host);
        }
    }
    SDL_ShowWindow(window->sdl);
    return window->gl_host ? PictureRoute::Pixels : PictureRoute::OpenGL;
}

WindowPixels window_pixels(Window* window) {
    WindowPixels pixels;
    SDL_Surface* surface = window && window->gl_host ? SDL_GetWindowSurface(window->sdl) : nullptr;
    if (!surface) return pixels;
    pixels.width = surface->w;
    pixels.height = surface->h;
    if (takes_pixels_directly(surface)) {
        pixels.pixels = static_cast<std::uint32_t*>(surface->pixels);
        pixels.pitch = surface->pitch / 4;
    } else {
        window->staging.resize(static_cast<std::size_t>(surface->w) * surface->h);
        pixels.pixels = window->staging.data();
        pixels.pitch = surface->w;
    }
    // A buffer made afresh for a new size holds nothing yet.
    if (surface->w != window->pixels_width || surface->h != window->pixels_height)
        window->repaint = true;
    window->pixels_width = surface->w;
    window->pixels_height = surface->h;
    pixels.repaint = window->repaint;
    return pixels;
}

void show_window_pixels(Window* window, std::span<const RowSpan> spans) {
    SDL_Surface* surface = window && window->gl_host ? SDL_GetWindowSurface(window->sdl) : nullptr;
    if (!surface || spans.empty()) return;
    window->repaint = false;
    std::vector<SDL_Rect> rects;
    rects.reserve(spans.size());
    for (const RowSpan& span : spans) {
        const int top = std::max(span.top, 0), bottom = std::min(span.top + span.count, surface->h);
        if (bottom <= top) continue;
        rects.push_back({0, top, surface->w, bottom - top});
        if (takes_pixels_directly(surface)) continue;
        const std::uint32_t* from =
            window->staging.data() + static_cast<std::size_t>(top) * surface->w;
        SDL_ConvertPixels(surface->w, bottom - top, SDL_PIXELFORMAT_RGB888, from, surface->w * 4,
                          surface->format->format,
                          static_cast<std::uint8_t*>(surface->pixels) + top * surface->pitch,
                          surface->pitch);
    }
    if (!rects.empty())
        SDL_UpdateWindowSurfaceRects(window->sdl, rects.data(), static_cast<int>(rects.size()));
}

void detail::note_window_exposed(SDL_Window* sdl) {
    if (Window* window = window_of(sdl)) window->repaint = true;
}

void detail::shown_area_size(Window* window, int& width, int& height) {
    width = window->picture_width;
    height = window->picture_height;
    if (window->gl_host)
        SDL_GetWindowSizeInPixels(window->sdl, &width, &height);
    else
        SDL_GL_GetDrawableSize(window->sdl, &width, &height);
}

} // namespace platform
