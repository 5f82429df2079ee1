// The picture of a scaled window, composed offscreen at the display's own
// size, and on a GPU shown scaled into the window at every flip (a software
// rasteriser's window reads it back instead: gl_pixel_presenter.h).
//
// The game draws 640 x 480 whatever the window's size, so every pixel it
// reads back (captures) is the same at any size. The picture is drawn into a
// framebuffer object exactly as into a window, and scaled when shown.
//
// In a browser the picture is drawn offscreen all the same, although the
// page scales the window itself: the page shows whatever the window holds
// each time the program waits, and a frame can wait half drawn (a screen
// that waits for its timer between its pictures and its text). Offscreen,
// the window only ever holds whole frames, as a back buffer would.
#pragma once

#include "graphics/gl_state.h"
#include "graphics/pixmap.h"

namespace platform {
struct Window;
}

class TGLCompositor {
  public:
    // Makes the offscreen picture for the current context. False when the
    // OpenGL driver has no framebuffer objects.
    bool make(int width, int height, TGLState& state);
    // Where the game's drawing goes; 0 when there is no picture.
    unsigned framebuffer() const { return framebuffer_; }
    // Fills the window's back buffer: the picture as large as it fits,
    // whole multiples nearest and the rest smoothly, the rest black. Leaves
    // the state as it found it.
    void show(platform::Window* window, TGLState& state);
    // The window's back buffer as show() left it, top row first (checks).
    PixmapRef read_window(platform::Window* window, TGLState& state) const;
    // Deletes its objects; the context must be current.
    void release();

  private:
    unsigned framebuffer_ = 0, texture_ = 0;
    // The picture at a whole multiple, on its way to a size between them.
    unsigned whole_framebuffer_ = 0, whole_texture_ = 0;
    int whole_ = 0;
    int width_ = 0, height_ = 0;

    unsigned whole_picture(int whole, TGLState& state);
    // WebGL's way: no blits, the picture drawn into the window instead.
    bool make_drawn(int width, int height, TGLState& state);
    void show_drawn(TGLState& state) const;
};
