// The studio's logo, "Lanternfold". The splash tints it from dark blue to
// white while it spins in over a dark blue disc, so it is drawn in white and
// greys with a dark rim that keeps every letter apart at any size.
#include "tools/artgen/canvas.h"
#include "tools/artgen/generators.h"

#include <cmath>

namespace {

void lantern(cairo_t* cr, double cx, double cy, double s) {
    // A small hexagonal lantern with a flame: the studio's mark.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    cairo_move_to(cr, -6, -22);
    cairo_line_to(cr, 6, -22);
    cairo_line_to(cr, 4, -26);
    cairo_line_to(cr, -4, -26);
    cairo_close_path(cr);
    hexagon_path(cr, 0, 0, 16, 9, 19);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.85);
    cairo_set_line_width(cr, 5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 0.92, 0.92, 0.92, 1);
    cairo_fill(cr);
    hexagon_path(cr, 0, 0, 11, 6, 14);
    cairo_set_source_rgba(cr, 0.35, 0.35, 0.35, 1);
    cairo_fill(cr);
    cairo_move_to(cr, 0, -10);
    cairo_curve_to(cr, 7, -2, 6, 8, 0, 9);
    cairo_curve_to(cr, -6, 8, -7, -2, 0, -10);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace

void make_logo(const std::string& dir) {
    Canvas canvas(302, 105);
    cairo_t* cr = canvas.cr();
    lantern(cr, 30, 50, 1.45);

    select_face(cr, Face::bold, 44);
    text_path(cr, "Lanternfold", 178, 56, Align::centre);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
    cairo_set_line_width(cr, 5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 22, 0, 58);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.72, 0.72, 0.72);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);

    select_face(cr, Face::bold, 17);
    text_path(cr, "G A M E   S T U D I O", 178, 88, Align::centre);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 0.95, 0.95, 0.95, 1);
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        double x0 = 178 + side * 96, x1 = 178 + side * 118;
        cairo_move_to(cr, x0, 82);
        cairo_line_to(cr, x1, 82);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke_preserve(cr);
        cairo_set_source_rgba(cr, 0.95, 0.95, 0.95, 1);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    canvas.save(dir + "/kovname.png", PngLayout::rgba);
}
