// The drawing state of one display. It is itself a display: it wraps the
// window's display and forwards driver(), get_settings() and close() to it.
#pragma once

#include "graphics/display.h"
#include "graphics/graphics.h"
#include "graphics/text.h"

class TDrawState : public TGraphics {
  public:
    TDrawState(GraphicsRef wrapped, RenderDriverRef render_driver)
        : graphics(std::move(wrapped)), driver_object(std::move(render_driver)) {}

    int color_red = 255, color_green = 255, color_blue = 255;
    float color_alpha = 1.0f;
    int clear_red = 0, clear_green = 0, clear_blue = 0;
    float line_width = 1.0f;
    float rotation = 0.0f;
    float scale_x = 1.0f, scale_y = 1.0f;
    float matrix_ix = 1.0f, matrix_iy = 0.0f, matrix_jx = 0.0f, matrix_jy = 1.0f;
    int viewport_x = 0, viewport_y = 0, viewport_width = 0, viewport_height = 0;
    float origin_x = 0.0f, origin_y = 0.0f;
    float handle_x = 0.0f, handle_y = 0.0f; // the handle, negated
    FontRef current_font;
    int blend_mode = BLEND_MASK;
    GraphicsRef graphics;          // the window display
    RenderDriverRef driver_object; // the render driver that made this state
    int validated = 0;             // 1 once the defaults have been applied

    void* driver() override { return graphics ? graphics->driver() : nullptr; }
    GraphicsSettings get_settings() override {
        return graphics ? graphics->get_settings() : GraphicsSettings{};
    }
    void close() override {
        if (graphics) graphics->close();
    }
    void warp_pointer(int x, int y) override {
        if (graphics) graphics->warp_pointer(x, y);
    }
};
