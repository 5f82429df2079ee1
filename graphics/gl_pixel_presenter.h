// The picture of a scaled window on a software rasteriser: drawn by OpenGL
// at its own size (into a framebuffer object where there are any, or on the
// hidden window that holds the context), read back, and scaled on the CPU
// into the shown window's pixels.
//
// A software rasteriser shades every pixel of a large window to scale a
// picture into it; replicating or filtering pixels on the CPU costs a small
// part of that, and only the rows that changed since the last frame are
// scaled and shown again.
#pragma once

#include "graphics/picture_scaler.h"
#include "graphics/pixmap.h"

class TGLState;

class TGLPixelPresenter {
  public:
    // For a picture of that size; everything is shown at the next frame.
    void start(int width, int height);
    // Reads the frame back and shows what changed of it, scaled.
    void show(platform::Window* window, TGLState& state);
    // The window's pixels as show() left them, top row first (checks).
    PixmapRef read_window(platform::Window* window) const;

  private:
    // Reads the frame; flags the rows that differ from the last one shown.
    void read_frame(TGLState& state);
    void blacken_bars(const platform::WindowPixels& window, const platform::PictureRect& rect);

    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> read_;    // as OpenGL reads it
    std::vector<std::uint32_t> picture_; // the frame last shown, top row first
    std::vector<char> changed_;          // per row of the picture
    TPictureScaler scaler_;
    std::vector<platform::RowSpan> written_;
};
