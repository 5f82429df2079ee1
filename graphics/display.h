// The display and its drawing state: the public drawing functions.
//
// Every setter stores its value in the current draw state and forwards it to
// the current render driver; every draw call issues its geometry at once, in
// call order, onto the back buffer. Colours are 0..255 per channel, alpha
// 0..1, angles in degrees (positive turns clockwise on screen), positions in
// pixels with y growing downward.
#pragma once

#include <memory>
#include <span>
#include <string>

class TGraphics;
class TDrawState;
class TRenderDriver;
using GraphicsRef = std::shared_ptr<TGraphics>;
using DrawStateRef = std::shared_ptr<TDrawState>;
using RenderDriverRef = std::shared_ptr<TRenderDriver>;

// Graphics flags for open_display (the display driver always adds 2).
enum GraphicsFlags : int {
    GRAPHICS_BACKBUFFER = 2,
    GRAPHICS_ALPHABUFFER = 4,
    GRAPHICS_DEPTHBUFFER = 8,
    GRAPHICS_STENCILBUFFER = 16,
    GRAPHICS_ACCUMBUFFER = 32,
};

// Blend modes for set_blend.
enum BlendMode : int {
    BLEND_MASK = 1,  // no blending; pixels with alpha below 0.5 are not drawn
    BLEND_SOLID = 2, // no blending
    BLEND_ALPHA = 3, // source over destination by source alpha
    BLEND_LIGHT = 4, // additive
    BLEND_SHADE = 5, // multiply
};

// The application title, shown as the caption of windows opened from now on
// (and of the open one).
void set_app_title(const std::string& title);

// Opens a window display (depth 0) of that size, paced to hz frames a second
// (0: unpaced), and makes it current. Null when no window can be had.
DrawStateRef open_display(int width, int height, int depth, int hz, int flags);
void close_display();
void select_display(const DrawStateRef& display);
DrawStateRef current_display();
int display_width();
int display_height();

// The render driver used by displays opened from now on (OpenGL by default;
// tests put a recording driver here), with the graphics flags it adds to
// every open_display.
void set_render_driver(RenderDriverRef driver, int default_flags = GRAPHICS_BACKBUFFER);
RenderDriverRef render_driver();

// Presents the back buffer. -1 paces the game's display to its rate in
// software; 0 and 1 set the swap interval.
void present_frame(int sync);
// The hook list present_frame runs (with a Null event) before each flip.
int flip_hook_id();
void clear_frame();

void set_clear_color(int r, int g, int b);
void set_color(int r, int g, int b);
void set_alpha(float alpha);
void set_blend(int mode);
void set_line_width(float width);
void set_viewport(int x, int y, int width, int height);
void set_origin(float x, float y);
void set_handle(float x, float y);
void set_rotation(float degrees);
void set_scale(float scale_x, float scale_y);
void set_transform(float degrees, float scale_x, float scale_y);

void plot(float x, float y);
void draw_line(float x1, float y1, float x2, float y2, int draw_last_pixel = 1);
void draw_rect(float x, float y, float width, float height);
void draw_oval(float x, float y, float width, float height);
// Pairs of x, y; fewer than three points or an odd count draws nothing.
void draw_poly(std::span<const float> xy);
