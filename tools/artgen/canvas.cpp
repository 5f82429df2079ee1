#include "tools/artgen/canvas.h"

#include "tools/artgen/rng.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cairo could not make a picture");
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void hexagon_path(cairo_t* cr, double cx, double cy, double half_width, double half_top,
                  double half_height) {
    cairo_move_to(cr, cx - half_width, cy);
    cairo_line_to(cr, cx - half_top, cy - half_height);
    cairo_line_to(cr, cx + half_top, cy - half_height);
    cairo_line_to(cr, cx + half_width, cy);
    cairo_line_to(cr, cx + half_top, cy + half_height);
    cairo_line_to(cr, cx - half_top, cy + half_height);
    cairo_close_path(cr);
}

void rounded_rect_path(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void star_path(cairo_t* cr, double cx, double cy, int points, double radius, double inner,
               double angle) {
    for (int i = 0; i < points * 2; ++i) {
        double a = (angle + 180.0 * i / points) * M_PI / 180.0;
        double r = i % 2 ? inner : radius;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void polygon_path(cairo_t* cr, double cx, double cy, int sides, double radius, double angle) {
    for (int i = 0; i < sides; ++i) {
        double a = (angle + 360.0 * i / sides) * M_PI / 180.0;
        if (i == 0)
            cairo_move_to(cr, cx + radius * std::cos(a), cy + radius * std::sin(a));
        else
            cairo_line_to(cr, cx + radius * std::cos(a), cy + radius * std::sin(a));
    }
    cairo_close_path(cr);
}

void glow(cairo_t* cr, double cx, double cy, double radius, const Colour& c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    add_stop(p, 0, c, alpha);
    add_stop(p, 0.35, c, alpha * 0.45);
    add_stop(p, 1, c, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void panel(cairo_t* cr, double x, double y, double w, double h, double radius) {
    cairo_save(cr);
    // Shadow under the panel.
    rounded_rect_path(cr, x + 3, y + 4, w, h, radius);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);
    rounded_rect_path(cr, x, y, w, h, radius);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
    add_stop(fill, 0, palette::slate.darker(0.35), 0.92);
    add_stop(fill, 1, palette::night, 0.94);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, y, 0, y + h);
    add_stop(rim, 0, palette::gold);
    add_stop(rim, 0.5, palette::bronze);
    add_stop(rim, 1, palette::bronze_dark);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);
    rounded_rect_path(cr, x + 4, y + 4, w - 8, h - 8, radius > 4 ? radius - 3 : 1);
    set_colour(cr, palette::bronze, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void lettering(cairo_t* cr, const std::string& text, Face face, double size, double x,
               double baseline, Align align, const Colour& top, const Colour& bottom) {
    cairo_save(cr);
    select_face(cr, face, size);
    double shadow = size / 14 > 1 ? size / 14 : 1;
    text_path(cr, text, x + shadow, baseline + shadow, align);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
    cairo_fill(cr);
    text_path(cr, text, x, baseline, align);
    set_colour(cr, palette::ink, 0.9);
    cairo_set_line_width(cr, size / 10 > 1.2 ? size / 10 : 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, baseline - size * 0.75, 0, baseline);
    add_stop(p, 0, top);
    add_stop(p, 1, bottom);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

namespace {

double lattice(int x, int y, unsigned seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / 16777215.0;
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

double value_noise(double x, double y, unsigned seed) {
    int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    double fx = smooth(x - xi), fy = smooth(y - yi);
    double a = lattice(xi, yi, seed), b = lattice(xi + 1, yi, seed);
    double c = lattice(xi, yi + 1, seed), d = lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double fractal_noise(double x, double y, unsigned seed, int octaves) {
    double sum = 0, amp = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * value_noise(x, y, seed + static_cast<unsigned>(i) * 101u);
        total += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / total;
}

void stone_texture(Canvas& canvas, unsigned seed, double strength, double scale) {
    cairo_surface_t* s = canvas.surface();
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < canvas.height(); ++y) {
        auto row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < canvas.width(); ++x) {
            double n = fractal_noise(x / scale, y / scale, seed, 4) - 0.5;
            double k = 1 + n * strength;
            std::uint32_t p = row[x];
            unsigned a = p >> 24;
            unsigned c[3] = {(p >> 16) & 255, (p >> 8) & 255, p & 255};
            for (unsigned& v : c) {
                double t = v * k;
                v = static_cast<unsigned>(t < 0 ? 0 : (t > a ? a : t));
            }
            row[x] = (a << 24) | (c[0] << 16) | (c[1] << 8) | c[2];
        }
    }
    cairo_surface_mark_dirty(s);
}

void starfield(cairo_t* cr, double x, double y, double w, double h, int count, unsigned seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        double sx = x + rng.range(0, w), sy = y + rng.range(0, h);
        double r = rng.range(0.4, 1.3);
        double a = rng.range(0.25, 0.9);
        cairo_arc(cr, sx, sy, r, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.85, 0.9, 1.0, a);
        cairo_fill(cr);
    }
}
