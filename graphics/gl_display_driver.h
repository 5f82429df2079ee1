// Windows with OpenGL contexts, buffer swaps and display modes.
//
// Each display has its own window and context. Textures live in that
// context; a display opened later gets a new display_seq and so makes its
// textures again at their next draw.
#pragma once

#include "graphics/gl_compositor.h"
#include "graphics/gl_pixel_presenter.h"
#include "graphics/graphics.h"
#include "graphics/render_driver.h"

#include <optional>

namespace platform {
struct Window;
}

class TGLGraphics : public TGraphics {
  public:
    TGLGraphics(platform::Window* window, int display_mode, GraphicsSettings settings)
        : mode(display_mode), window_(window), settings_(settings) {}
    ~TGLGraphics() override { close(); }

    const int mode;

    // How the display's picture reaches its window.
    enum class Route {
        Window,      // drawn into the window itself, which shows it unscaled
        Framebuffer, // drawn into a framebuffer object, scaled by OpenGL
        Pixels,      // drawn offscreen, read back and scaled on the CPU
    };

    void* driver() override;
    GraphicsSettings get_settings() override { return settings_; }
    void close() override;
    void warp_pointer(int x, int y) override;

    platform::Window* window() const { return window_; }
    Route route() const { return route_; }
    // Where drawing goes: the framebuffer object of a scaled window's
    // picture, or 0 (the window, or the hidden one that holds the context).
    unsigned picture_framebuffer() const { return compositor_.framebuffer(); }
    // A windowed display draws a picture of its own size, shown scaled: by
    // OpenGL on a GPU, and on the CPU where a software rasteriser would
    // have to shade every pixel of the window to scale it. `wanted` forces
    // a route (tests); the renderer's name chooses otherwise.
    void choose_route(TGLState& state, std::optional<Route> wanted);
    // Puts the frame into the window's back buffer or pixels.
    void show(TGLState& state);
    // The window's pixels as the last show() left them, top row first.
    PixmapRef read_window(TGLState& state);

    // Textures living in this display's context; they go with it when it
    // closes.
    void texture_made();
    void texture_deleted();

  private:
    platform::Window* window_;
    Route route_ = Route::Window;
    TGLCompositor compositor_;
    TGLPixelPresenter pixels_;
    int textures_ = 0;
    GraphicsSettings settings_;
};

class TGLDisplayDriver {
  public:
    static TGLDisplayDriver& instance();

    // Modes of fewer than 16 bits are left out; at most 1024.
    std::vector<TGraphicsMode> display_modes();
    // A window of that client size (full screen when depth is not 0) with a
    // context whose pixel format follows the graphics flags; Null when none
    // can be had.
    std::shared_ptr<TGLGraphics> create_graphics(int width, int height, int depth, int hz,
                                                 int flags, TGLState& state);
    // The route scaled windows opened from now on take; none chooses by the
    // renderer (tests).
    void prefer_route(std::optional<TGLGraphics::Route> route) { preferred_route_ = route; }
    // Makes the display's context current; null leaves none current.
    void make_current(TGLGraphics* graphics);
    TGLGraphics* current() const { return current_; }
    // Shows the frame (scaled into the window, for a windowed display), sets
    // the swap interval (0 or 1) when it changes, then swaps.
    void flip(int sync, TGLState& state);

    // Called by a display that closes.
    void forget(TGLGraphics* graphics);

  private:
    TGLGraphics* current_ = nullptr;
    std::optional<TGLGraphics::Route> preferred_route_;
};
