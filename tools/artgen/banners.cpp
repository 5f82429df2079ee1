// The pointer of the title menu and the two banners of the play screen.
#include "tools/artgen/canvas.h"
#include "tools/artgen/generators.h"

#include <cmath>

namespace {

void make_pointer(const std::string& dir) {
    // An arrow pointing up; the game puts its tip, pixel (40, 0), on the spot.
    Canvas canvas(80, 32);
    cairo_t* cr = canvas.cr();
    auto arrow = [&] {
        cairo_move_to(cr, 40, 1.2);
        cairo_line_to(cr, 59, 19);
        cairo_line_to(cr, 47, 17);
        cairo_line_to(cr, 47, 30);
        cairo_line_to(cr, 33, 30);
        cairo_line_to(cr, 33, 17);
        cairo_line_to(cr, 21, 19);
        cairo_close_path(cr);
    };
    arrow();
    set_colour(cr, palette::ink, 0.95);
    cairo_set_line_width(cr, 2.4);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 30);
    add_stop(p, 0, palette::ivory);
    add_stop(p, 0.35, palette::gold);
    add_stop(p, 1, palette::bronze);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_move_to(cr, 40, 5);
    cairo_line_to(cr, 40, 27);
    set_colour(cr, palette::ivory, 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    canvas.save(dir + "/pointer.png", PngLayout::rgba);
}

void plaque(cairo_t* cr, double w, double h, bool opaque_corners) {
    if (opaque_corners) {
        cairo_rectangle(cr, 0, 0, w, h);
        set_colour(cr, palette::bronze_dark.darker(0.4));
        cairo_fill(cr);
    }
    rounded_rect_path(cr, 1, 1, w - 2, h - 2, 10);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, 0, h);
    add_stop(rim, 0, palette::gold);
    add_stop(rim, 0.5, palette::bronze);
    add_stop(rim, 1, palette::bronze_dark);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    rounded_rect_path(cr, 7, 7, w - 14, h - 14, 6);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, 7, 0, h - 7);
    add_stop(body, 0, palette::slate);
    add_stop(body, 1, palette::night);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    set_colour(cr, palette::ink, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Rivets in the corners.
    for (double x : {13.0, w - 13.0})
        for (double y : {13.0, h - 13.0}) {
            cairo_arc(cr, x, y, 2.6, 0, 2 * M_PI);
            set_colour(cr, palette::gold);
            cairo_fill_preserve(cr);
            set_colour(cr, palette::ink, 0.8);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
        }
}

void make_paused(const std::string& dir) {
    Canvas canvas(300, 100);
    cairo_t* cr = canvas.cr();
    plaque(cr, 300, 100, true);
    lettering(cr, "Paused", Face::bold, 42, 150, 56, Align::centre, palette::ivory, palette::gold);
    select_face(cr, Face::regular, 15);
    text_path(cr, "P plays on  -  Escape gives up", 150, 82, Align::centre);
    set_colour(cr, palette::ivory, 0.85);
    cairo_fill(cr);
    canvas.save(dir + "/paused.png", PngLayout::rgb);
}

void make_gameover(const std::string& dir) {
    Canvas canvas(276, 78);
    cairo_t* cr = canvas.cr();
    // A ribbon: the plaque with swallow-tailed ends.
    for (int side = -1; side <= 1; side += 2) {
        double x0 = side < 0 ? 2 : 274, x1 = side < 0 ? 34 : 242;
        cairo_move_to(cr, x1, 14);
        cairo_line_to(cr, x0, 14);
        cairo_line_to(cr, x0 - side * 12, 40);
        cairo_line_to(cr, x0, 66);
        cairo_line_to(cr, x1, 66);
        cairo_close_path(cr);
        set_colour(cr, Colour::hex(0x7a1420));
        cairo_fill_preserve(cr);
        set_colour(cr, palette::ink, 0.9);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 26, 0);
    plaque(cr, 224, 78, false);
    cairo_restore(cr);
    lettering(cr, "Game Over", Face::bold, 38, 138, 52, Align::centre, palette::ivory,
              Colour::hex(0xff8a6a));
    canvas.save(dir + "/gameover.png", PngLayout::rgba);
}

} // namespace

void make_banners(const std::string& dir) {
    make_pointer(dir);
    make_paused(dir);
    make_gameover(dir);
}
