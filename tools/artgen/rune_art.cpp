#include "tools/artgen/rune_art.h"

#include "tools/artgen/canvas.h"

#include <cmath>

void rune_shape_path(cairo_t* cr, int kind) {
    switch (kind) {
    case 0: // heart
        cairo_move_to(cr, 0, 0.92);
        cairo_curve_to(cr, -0.38, 0.62, -1.0, 0.22, -1.0, -0.28);
        cairo_curve_to(cr, -1.0, -0.78, -0.34, -0.98, 0, -0.5);
        cairo_curve_to(cr, 0.34, -0.98, 1.0, -0.78, 1.0, -0.28);
        cairo_curve_to(cr, 1.0, 0.22, 0.38, 0.62, 0, 0.92);
        cairo_close_path(cr);
        break;
    case 1: // triangle, point up, its centroid on the centre
        cairo_move_to(cr, 0, -1.05);
        cairo_line_to(cr, 0.98, 0.56);
        cairo_line_to(cr, -0.98, 0.56);
        cairo_close_path(cr);
        break;
    case 2: // five-pointed star
        star_path(cr, 0, 0.06, 5, 1.05, 0.5, -90);
        break;
    case 3: // tall diamond
        cairo_move_to(cr, 0, -1.05);
        cairo_line_to(cr, 0.62, 0);
        cairo_line_to(cr, 0, 1.05);
        cairo_line_to(cr, -0.62, 0);
        cairo_close_path(cr);
        break;
    case 4: // square
        rounded_rect_path(cr, -0.72, -0.72, 1.44, 1.44, 0.14);
        break;
    case 5: // drop, point up, its weight on the centre
        cairo_move_to(cr, 0, -1.08);
        cairo_curve_to(cr, 0.26, -0.62, 0.72, -0.26, 0.72, 0.18);
        cairo_arc(cr, 0, 0.18, 0.72, 0, M_PI);
        cairo_curve_to(cr, -0.72, -0.26, -0.26, -0.62, 0, -1.08);
        cairo_close_path(cr);
        break;
    default: { // crescent moon, horns to the right
        // The outer disc less a disc shifted right; the arcs meet where the
        // two circles cross. The crescent's weight lies left of its disc, so
        // the whole is moved right by `offset` to sit in the middle.
        const double R = 0.98, cx = 0.44, cy = -0.06, r = 0.74, offset = 0.3;
        double d = std::hypot(cx, cy), phi = std::atan2(cy, cx);
        double a = (R * R - r * r + d * d) / (2 * d), h = std::sqrt(R * R - a * a);
        double spread = std::atan2(h, a);
        double p1x = R * std::cos(phi + spread), p1y = R * std::sin(phi + spread);
        double p2x = R * std::cos(phi - spread), p2y = R * std::sin(phi - spread);
        cairo_arc(cr, offset, 0, R, phi + spread, phi - spread + 2 * M_PI);
        cairo_arc_negative(cr, cx + offset, cy, r, std::atan2(p2y - cy, p2x - cx),
                           std::atan2(p1y - cy, p1x - cx));
        cairo_close_path(cr);
        break;
    }
    }
}

namespace {

void gem(cairo_t* cr, int kind, double s, const RuneStyle& style) {
    Colour c = rune_colour(kind);
    // Soft shadow below.
    cairo_save(cr);
    cairo_translate(cr, 1.2, 1.8);
    cairo_scale(cr, s, s);
    rune_shape_path(cr, kind);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);

    cairo_save(cr);
    cairo_scale(cr, s, s);
    rune_shape_path(cr, kind);
    cairo_restore(cr);
    cairo_pattern_t* body =
        cairo_pattern_create_radial(-0.35 * s, -0.45 * s, 0.05 * s, 0, 0, 1.15 * s);
    add_stop(body, 0, c.lighter(0.55));
    add_stop(body, 0.45, c);
    add_stop(body, 1, c.darker(0.55));
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    set_colour(cr, c.darker(0.75));
    cairo_set_line_width(cr, style.outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);

    if (style.facet > 0) {
        // The table facet: a smaller copy of the shape, lit from the top left.
        cairo_save(cr);
        cairo_translate(cr, -0.06 * s, -0.08 * s);
        cairo_scale(cr, s * style.facet, s * style.facet);
        rune_shape_path(cr, kind);
        cairo_restore(cr);
        cairo_pattern_t* top = cairo_pattern_create_linear(0, -s * 0.6, 0, s * 0.6);
        add_stop(top, 0, c.lighter(0.6), 0.9);
        add_stop(top, 1, c.lighter(0.1), 0.35);
        cairo_set_source(cr, top);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(top);
        set_colour(cr, c.lighter(0.7), 0.55);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    // Specular glint.
    cairo_save(cr);
    cairo_translate(cr, -0.32 * s, -0.4 * s);
    cairo_scale(cr, 0.22 * s, 0.12 * s);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_fill(cr);
}

void setting(cairo_t* cr, double r, const RuneStyle& style) {
    cairo_arc(cr, 1.2, 1.8, r, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_pattern_t* ring = cairo_pattern_create_linear(-r, -r, r, r);
    add_stop(ring, 0, style.metal.lighter(0.6));
    add_stop(ring, 0.5, style.metal);
    add_stop(ring, 1, style.metal.darker(0.55));
    cairo_set_source(cr, ring);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(ring);
    set_colour(cr, palette::ink, 0.9);
    cairo_set_line_width(cr, style.outline);
    cairo_stroke(cr);
}

void disc(cairo_t* cr, double r, const Colour& light, const Colour& dark) {
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(-0.35 * r, -0.4 * r, 0.05 * r, 0, 0, r * 1.1);
    add_stop(p, 0, light);
    add_stop(p, 1, dark);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    set_colour(cr, palette::ink, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void white_rune(cairo_t* cr, double r) {
    disc(cr, r, Colour{1, 1, 1}, Colour::hex(0xb8c4d8));
    // Six rays: the white rune reaches out in the six board directions.
    star_path(cr, 0, 0, 6, r * 0.82, r * 0.3, -90);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, r * 0.85);
    add_stop(p, 0, Colour{1, 1, 1});
    add_stop(p, 1, palette::gold);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    set_colour(cr, palette::bronze_dark, 0.8);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

void gray_rune(cairo_t* cr, double r) {
    disc(cr, r, Colour::hex(0xc9ced6), Colour::hex(0x4b505a));
    // A lightning bolt.
    cairo_move_to(cr, 0.22 * r, -0.92 * r);
    cairo_line_to(cr, -0.42 * r, 0.1 * r);
    cairo_line_to(cr, -0.02 * r, 0.1 * r);
    cairo_line_to(cr, -0.24 * r, 0.92 * r);
    cairo_line_to(cr, 0.46 * r, -0.18 * r);
    cairo_line_to(cr, 0.06 * r, -0.18 * r);
    cairo_close_path(cr);
    set_colour(cr, Colour::hex(0xfff27a));
    cairo_fill_preserve(cr);
    set_colour(cr, palette::ink, 0.9);
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void black_rune(cairo_t* cr, double r) {
    // A spiked obsidian core with embers inside.
    star_path(cr, 0, 0, 8, r * 1.02, r * 0.74, -90);
    set_colour(cr, Colour::hex(0x101014));
    cairo_fill(cr);
    disc(cr, r * 0.78, Colour::hex(0x4a4a58), Colour::hex(0x050508));
    glow(cr, 0, 0, r * 0.62, Colour::hex(0xff5a1a), 0.95);
    glow(cr, 0, 0, r * 0.28, Colour::hex(0xffd060), 1.0);
}

void wild_rune(cairo_t* cr, double r) {
    // Seven sectors in the seven ordinary colours: it stands for any of them.
    for (int k = 0; k < 7; ++k) {
        double a0 = (-90 + k * 360.0 / 7) * M_PI / 180,
               a1 = (-90 + (k + 1) * 360.0 / 7) * M_PI / 180;
        cairo_move_to(cr, 0, 0);
        cairo_arc(cr, 0, 0, r, a0, a1);
        cairo_close_path(cr);
        set_colour(cr, rune_colour(k).lighter(0.15));
        cairo_fill(cr);
    }
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_pattern_t* shine = cairo_pattern_create_radial(-0.35 * r, -0.4 * r, 0, 0, 0, r);
    cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(shine, 1, 0, 0, 0, 0.25);
    cairo_set_source(cr, shine);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);
    star_path(cr, 0, 0, 4, r * 0.7, r * 0.22, -90);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
    cairo_fill_preserve(cr);
    set_colour(cr, palette::ink, 0.7);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

} // namespace

void draw_rune(cairo_t* cr, int kind, double cx, double cy, double size, const RuneStyle& style) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (kind <= 6) {
        RuneStyle scaled = style;
        scaled.outline = style.outline * size;
        gem(cr, kind, 16.5 * size, scaled);
    } else {
        RuneStyle scaled = style;
        scaled.outline = style.outline * size;
        double r = 16.5 * size;
        setting(cr, r, scaled);
        double inner = r - 3.2 * size;
        if (kind == 7) white_rune(cr, inner);
        if (kind == 8) gray_rune(cr, inner);
        if (kind == 9) black_rune(cr, inner);
        if (kind == 10) wild_rune(cr, inner);
    }
    cairo_restore(cr);
}
