// The picture of a scaled window: composed offscreen at the display's own
// size and shown scaled into the window at every flip.
//
// The game draws 640 x 480 whatever the window's size, so every pixel it
// reads back (captures) is the same at any size. The picture is kept with
// its top row first in memory, as a window's is, so that showing it at its
// own size is a plain copy for a software rasteriser.
#pragma once

#include "graphics/pixmap.h"

namespace platform {
struct Window;
}

class TGLCompositor {
  public:
    // Makes the offscreen picture for the current context. False when the
    // OpenGL driver has no framebuffer objects: the window then shows the
    // drawing as it is.
    bool make(int width, int height);
    // Drawing and reading go to the picture (or, when there is none, to the
    // window).
    void bind() const;
    bool active() const { return framebuffer_ != 0; }
    // Fills the window's back buffer: the picture as large as it fits,
    // whole multiples nearest and the rest smoothly, the rest black. The
    // clip rectangle must be off. Leaves the picture bound.
    void show(platform::Window* window);
    // The window's back buffer as show() left it, top row first (checks).
    PixmapRef read_window(platform::Window* window) const;
    // Its objects went with their context.
    void forget();

  private:
    unsigned framebuffer_ = 0, texture_ = 0;
    // The picture at a whole multiple, on its way to a size between them.
    unsigned whole_framebuffer_ = 0, whole_texture_ = 0;
    int whole_ = 0;
    int width_ = 0, height_ = 0;

    unsigned whole_picture(int whole);
};
