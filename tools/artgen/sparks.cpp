// The sparks sheet: cell n is the glow that rune kind n leaves behind. The
// game spins, scales and fades these, so each is round and bright at its heart.
#include "tools/artgen/canvas.h"
#include "tools/artgen/generators.h"

#include <cmath>

namespace {

void twinkle(cairo_t* cr, double cx, double cy, double r, const Colour& core, double alpha) {
    star_path(cr, cx, cy, 4, r, r * 0.16, -90);
    set_colour(cr, core, alpha);
    cairo_fill(cr);
    star_path(cr, cx, cy, 4, r * 0.55, r * 0.12, -45);
    set_colour(cr, core, alpha * 0.8);
    cairo_fill(cr);
}

void ordinary(cairo_t* cr, int kind, double cx, double cy) {
    Colour c = rune_colour(kind);
    glow(cr, cx, cy, 19, c, 0.9);
    glow(cr, cx, cy, 9, c.lighter(0.35), 0.9);
    twinkle(cr, cx, cy, 17, c.lighter(0.45), 0.95);
    cairo_arc(cr, cx, cy, 2.6, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
}

void white(cairo_t* cr, double cx, double cy) {
    glow(cr, cx, cy, 19, Colour{1, 1, 0.92}, 0.8);
    star_path(cr, cx, cy, 6, 18, 3.5, -90);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 4, 0, 2 * M_PI);
    cairo_fill(cr);
}

void lightning(cairo_t* cr, double cx, double cy) {
    glow(cr, cx, cy, 19, Colour::hex(0x8ab8ff), 0.7);
    // A forked spark; the game draws it at half size along the bolt.
    cairo_move_to(cr, cx - 14, cy - 9);
    cairo_line_to(cr, cx - 3, cy - 2);
    cairo_line_to(cr, cx - 6, cy + 3);
    cairo_line_to(cr, cx + 14, cy + 10);
    cairo_move_to(cr, cx - 3, cy - 2);
    cairo_line_to(cr, cx + 9, cy - 12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    set_colour(cr, Colour::hex(0xbfe0ff), 0.6);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    glow(cr, cx - 3, cy - 2, 6, Colour{1, 1, 1}, 1);
}

void ember(cairo_t* cr, double cx, double cy) {
    // The black rune's blast: a fiery fragment with a sooty rim, bright
    // enough to read over a dark board.
    glow(cr, cx, cy, 19, Colour::hex(0x301008), 0.85);
    star_path(cr, cx, cy, 7, 15, 8, -90);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 1, cx, cy, 15);
    add_stop(p, 0, Colour::hex(0xfff0a0));
    add_stop(p, 0.35, Colour::hex(0xff8a20));
    add_stop(p, 0.8, Colour::hex(0xb01e08));
    add_stop(p, 1, Colour::hex(0x200804), 0.8);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void wild(cairo_t* cr, double cx, double cy) {
    for (int k = 0; k < 7; ++k) {
        double a = (-90 + k * 360.0 / 7) * M_PI / 180;
        glow(cr, cx + 7 * std::cos(a), cy + 7 * std::sin(a), 10, rune_colour(k), 0.8);
    }
    twinkle(cr, cx, cy, 17, Colour{1, 1, 1}, 1);
}

} // namespace

void make_sparks(const std::string& dir) {
    Canvas canvas(480, 40);
    cairo_t* cr = canvas.cr();
    for (int kind = 0; kind < 11; ++kind) {
        double cx = kind * 40 + 20, cy = 20;
        cairo_save(cr);
        cairo_rectangle(cr, kind * 40, 0, 40, 40);
        cairo_clip(cr);
        if (kind <= 6) ordinary(cr, kind, cx, cy);
        if (kind == 7) white(cr, cx, cy);
        if (kind == 8) lightning(cr, cx, cy);
        if (kind == 9) ember(cr, cx, cy);
        if (kind == 10) wild(cr, cx, cy);
        cairo_restore(cr);
    }
    canvas.save(dir + "/sparks.png", PngLayout::rgba);
}
