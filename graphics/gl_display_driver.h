// Windows with OpenGL contexts, buffer swaps and display modes.
//
// Each display has its own window and context. Textures live in that
// context; a display opened later gets a new display_seq and so makes its
// textures again at their next draw.
#pragma once

#include "graphics/gl_compositor.h"
#include "graphics/graphics.h"
#include "graphics/render_driver.h"

namespace platform {
struct Window;
}

class TGLGraphics : public TGraphics {
  public:
    TGLGraphics(platform::Window* window, int display_mode, GraphicsSettings settings)
        : mode(display_mode), window_(window), settings_(settings) {}
    ~TGLGraphics() override { close(); }

    const int mode;

    void* driver() override;
    GraphicsSettings get_settings() override { return settings_; }
    void close() override;
    void warp_pointer(int x, int y) override;

    platform::Window* window() const { return window_; }
    // A windowed display draws into a picture of its own size, shown scaled.
    TGLCompositor& compositor() { return compositor_; }

    // Textures living in this display's context; they go with it when it
    // closes.
    void texture_made();
    void texture_deleted();

  private:
    platform::Window* window_;
    TGLCompositor compositor_;
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
                                                 int flags);
    // Makes the display's context current; null leaves none current.
    void make_current(TGLGraphics* graphics);
    TGLGraphics* current() const { return current_; }
    // Shows the frame (scaled into the window, for a windowed display), sets
    // the swap interval (0 or 1) when it changes, then swaps.
    void flip(int sync);

    // Called by a display that closes.
    void forget(TGLGraphics* graphics);

  private:
    TGLGraphics* current_ = nullptr;
};
