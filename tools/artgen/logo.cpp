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

// Picks the largest size up to `size` at which `text` fits in `width`.
double fit(cairo_t* cr, const std::string& text, double size, double width) {
    select_face(cr, Face::bold, size);
    while (text_width(cr, text) > width && size > 8) select_face(cr, Face::bold, size -= 0.5);
    return size;
}

void outlined(cairo_t* cr, double line, double top_grey, double bottom_grey, double y0, double y1) {
    cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
    cairo_set_line_width(cr, line);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, top_grey, top_grey, top_grey);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom_grey, bottom_grey, bottom_grey);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

} // namespace

void make_logo(const std::string& dir) {
    Canvas canvas(302, 105);
    cairo_t* cr = canvas.cr();
    lantern(cr, 30, 50, 1.45);
    const double left = 64, right = 296, middle = (left + right) / 2;

    const std::string name = "Lanternfold";
    fit(cr, name, 46, right - left - 4);
    text_path(cr, name, middle, 60, Align::centre);
    outlined(cr, 5, 1.0, 0.72, 26, 60);

    const std::string studio = "G A M E   S T U D I O";
    double size = fit(cr, studio, 16, right - left - 60);
    double half = text_width(cr, studio) / 2;
    text_path(cr, studio, middle, 90, Align::centre);
    outlined(cr, 3.5, 0.95, 0.95, 90 - size, 90);
    for (int side = -1; side <= 1; side += 2) {
        double x0 = middle + side * (half + 6), x1 = middle + side * (half + 26);
        cairo_move_to(cr, x0, 84);
        cairo_line_to(cr, x1, 84);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke_preserve(cr);
        cairo_set_source_rgba(cr, 0.95, 0.95, 0.95, 1);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    canvas.save(dir + "/kovname.png", PngLayout::rgba);
}
