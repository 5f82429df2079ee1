// The interface every render driver implements.
//
// The public drawing functions keep the draw state and call these operations;
// a driver draws at once, in call order. The first five concern the display
// itself; the rest draw and set state on the current display.
#pragma once

#include "graphics/display.h"
#include "graphics/image_frame.h"
#include "graphics/pixmap.h"

#include <span>
#include <vector>

struct TGraphicsMode {
    int width = 0;
    int height = 0;
    int depth = 0;
    int hz = 0;
};

class TRenderDriver {
  public:
    virtual ~TRenderDriver() = default;

    virtual std::vector<TGraphicsMode> display_modes() = 0;
    // A display on a window the program did not create (Null when unsupported).
    virtual DrawStateRef attach_display(void* window, int flags) = 0;
    // A new display in a new window, or Null.
    virtual DrawStateRef create_display(int width, int height, int depth, int hz, int flags) = 0;
    // Makes the display current for drawing (Null: none).
    virtual void select_display(const DrawStateRef& display) = 0;
    // Shows the back buffer; sync 0 or 1 is the swap interval.
    virtual void present_frame(int sync) = 0;

    // A drawable frame of the pixmap, with the image flags' filtering.
    virtual ImageFrameRef create_frame_from_pixmap(const PixmapRef& pixmap, int image_flags) = 0;

    virtual void set_blend(int mode) = 0;
    virtual void set_alpha(float alpha) = 0;
    virtual void set_color(int r, int g, int b) = 0;
    virtual void set_clear_color(int r, int g, int b) = 0;
    virtual void set_viewport(int x, int y, int width, int height) = 0;
    virtual void set_transform(float ix, float iy, float jx, float jy) = 0;
    virtual void set_line_width(float width) = 0;
    virtual void clear_frame() = 0;

    // Points (x, y) of the local primitives map to (x*ix + y*iy + tx,
    // x*jx + y*jy + ty) with the matrix of set_transform.
    virtual void plot(float x, float y) = 0;
    virtual void draw_line(float x0, float y0, float x1, float y1, float tx, float ty) = 0;
    virtual void draw_rect(float x0, float y0, float x1, float y1, float tx, float ty) = 0;
    virtual void draw_oval(float x0, float y0, float x1, float y1, float tx, float ty) = 0;
    virtual void draw_poly(std::span<const float> xy, float handle_x, float handle_y,
                           float origin_x, float origin_y) = 0;
    // Copies the pixmap with its top-left at (x, y), untransformed.
    virtual void draw_pixmap(const PixmapRef& pixmap, int x, int y) = 0;
    // The back-buffer block at (x, y) (y downward) as RGBA, row 0 at the top.
    virtual PixmapRef capture_pixmap(int x, int y, int width, int height) = 0;
};
