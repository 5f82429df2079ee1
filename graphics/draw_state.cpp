// The public drawing functions: store in the current draw state, then
// forward to the render driver.
#include "graphics/draw_state.h"

#include "graphics/display_internal.h"
#include "graphics/render_driver.h"

#include <cmath>

namespace {

TRenderDriver* driver() {
    return render_driver().get();
}

// Rebuilds the matrix from rotation and scale and hands it to the driver.
void send_matrix(TDrawState& s) {
    double radians = s.rotation * 0.017453292519943295;
    float sine = static_cast<float>(std::sin(radians));
    float cosine = static_cast<float>(std::cos(radians));
    s.matrix_ix = cosine * s.scale_x;
    s.matrix_iy = -sine * s.scale_y;
    s.matrix_jx = sine * s.scale_x;
    s.matrix_jy = cosine * s.scale_y;
    if (driver()) driver()->set_transform(s.matrix_ix, s.matrix_iy, s.matrix_jx, s.matrix_jy);
}

// The state that drawing reads when no display is current: the defaults.
const TDrawState& state_or_defaults() {
    static const auto* defaults = new TDrawState(nullptr, nullptr);
    const TDrawState* current = current_draw_state();
    return current ? *current : *defaults;
}

// Rotation and scale change the current state, or with no display a
// throw-away copy of the defaults (the driver still hears the matrix).
template <typename Change> void change_matrix(Change change) {
    TDrawState* current = current_draw_state();
    TDrawState scratch(nullptr, nullptr);
    TDrawState& s = current ? *current : scratch;
    change(s);
    send_matrix(s);
}

} // namespace

void clear_frame() {
    if (driver()) driver()->clear_frame();
}

void set_clear_color(int r, int g, int b) {
    if (TDrawState* s = current_draw_state())
        s->clear_red = r, s->clear_green = g, s->clear_blue = b;
    if (driver()) driver()->set_clear_color(r, g, b);
}

void set_color(int r, int g, int b) {
    if (TDrawState* s = current_draw_state())
        s->color_red = r, s->color_green = g, s->color_blue = b;
    if (driver()) driver()->set_color(r, g, b);
}

void set_alpha(float alpha) {
    if (TDrawState* s = current_draw_state()) s->color_alpha = alpha;
    if (driver()) driver()->set_alpha(alpha);
}

void set_blend(int mode) {
    if (TDrawState* s = current_draw_state()) s->blend_mode = mode;
    if (driver()) driver()->set_blend(mode);
}

void set_line_width(float width) {
    if (TDrawState* s = current_draw_state()) s->line_width = width;
    if (driver()) driver()->set_line_width(width);
}

void set_viewport(int x, int y, int width, int height) {
    if (TDrawState* s = current_draw_state()) {
        s->viewport_x = x, s->viewport_y = y;
        s->viewport_width = width, s->viewport_height = height;
    }
    if (driver()) driver()->set_viewport(x, y, width, height);
}

void set_origin(float x, float y) {
    if (TDrawState* s = current_draw_state()) s->origin_x = x, s->origin_y = y;
}

void set_handle(float x, float y) {
    if (TDrawState* s = current_draw_state()) s->handle_x = -x, s->handle_y = -y;
}

void set_rotation(float degrees) {
    change_matrix([&](TDrawState& s) { s.rotation = degrees; });
}

void set_scale(float scale_x, float scale_y) {
    change_matrix([&](TDrawState& s) { s.scale_x = scale_x, s.scale_y = scale_y; });
}

void set_transform(float degrees, float scale_x, float scale_y) {
    change_matrix([&](TDrawState& s) {
        s.rotation = degrees;
        s.scale_x = scale_x, s.scale_y = scale_y;
    });
}

void plot(float x, float y) {
    const TDrawState& s = state_or_defaults();
    if (driver()) driver()->plot(x + s.origin_x, y + s.origin_y);
}

void draw_line(float x1, float y1, float x2, float y2, int draw_last_pixel) {
    const TDrawState& s = state_or_defaults();
    if (!driver()) return;
    float hx = s.handle_x, hy = s.handle_y;
    driver()->draw_line(hx, hy, hx + x2 - x1, hy + y2 - y1, x1 + s.origin_x, y1 + s.origin_y);
    if (draw_last_pixel) {
        float b = x2 - x1 + hx, c = y2 - y1 + hy;
        driver()->plot(x1 + b * s.matrix_ix + c * s.matrix_iy + s.origin_x,
                       y1 + b * s.matrix_jx + c * s.matrix_jy + s.origin_y);
    }
}

void draw_rect(float x, float y, float width, float height) {
    const TDrawState& s = state_or_defaults();
    float hx = s.handle_x, hy = s.handle_y;
    if (driver())
        driver()->draw_rect(hx, hy, hx + width, hy + height, x + s.origin_x, y + s.origin_y);
}

void draw_oval(float x, float y, float width, float height) {
    const TDrawState& s = state_or_defaults();
    float hx = s.handle_x, hy = s.handle_y;
    if (driver())
        driver()->draw_oval(hx, hy, hx + width, hy + height, x + s.origin_x, y + s.origin_y);
}

void draw_poly(std::span<const float> xy) {
    const TDrawState& s = state_or_defaults();
    if (driver()) driver()->draw_poly(xy, s.handle_x, s.handle_y, s.origin_x, s.origin_y);
}
