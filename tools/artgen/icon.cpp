// The desktop icon: a star rune set in a hexagonal stone with a bronze rim,
// one cell of the game's board. It is drawn in a space of -1..1, so the same
// shapes make every PNG size and the scalable SVG; only the stroke widths
// grow at small sizes, where a hairline would vanish.
#include "tools/artgen/canvas.h"
#include "tools/artgen/generators.h"
#include "tools/artgen/rune_art.h"

#include <cairo-svg.h>
#include <cmath>
#include <stdexcept>

namespace {

const int png_sizes[] = {16, 32, 48, 64, 128, 256, 512};
const int star_kind = 2;

// A flat-topped hexagon of radius 1 (corners left and right) fills the
// icon's width; its height is then sqrt(3)/2 of that.
void stone(cairo_t* cr, double rim) {
    const double h = std::sqrt(3.0) / 2 * 0.96;
    hexagon_path(cr, 0, 0, 0.96, 0.48, h);
    cairo_pattern_t* fill = cairo_pattern_create_radial(-0.2, -0.3, 0.1, 0, 0, 1.1);
    add_stop(fill, 0, palette::mist);
    add_stop(fill, 0.55, palette::slate);
    add_stop(fill, 1, palette::night);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, rim);
    set_colour(cr, palette::bronze);
    cairo_stroke(cr);
}

void star(cairo_t* cr, double scale, double outline, bool glint) {
    Colour c = rune_colour(star_kind);
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    rune_shape_path(cr, star_kind);
    cairo_restore(cr);
    cairo_pattern_t* body = cairo_pattern_create_radial(-0.2, -0.3, 0.02, 0, 0, scale * 1.1);
    add_stop(body, 0, c.lighter(0.6));
    add_stop(body, 0.5, c);
    add_stop(body, 1, c.darker(0.35));
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    set_colour(cr, palette::ink);
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
    if (!glint) return;
    cairo_save(cr);
    cairo_translate(cr, -0.14, -0.2);
    cairo_scale(cr, 0.12, 0.07);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_fill(cr);
}

// Draws the emblem over a square of `pixels` pixels on `cr`.
void emblem(cairo_t* cr, double pixels) {
    const double unit = pixels / 2;
    cairo_save(cr);
    cairo_translate(cr, unit, unit);
    cairo_scale(cr, unit, unit);
    stone(cr, std::max(0.07, 1.4 / unit));
    star(cr, 0.66, std::max(0.035, 1.0 / unit), pixels >= 48);
    cairo_restore(cr);
}

void write_svg(const std::string& path) {
    cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), 512, 512);
    // Plain user units: an icon has no size in points.
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_USER);
    cairo_t* cr = cairo_create(surface);
    emblem(cr, 512);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok) throw std::runtime_error("cairo could not write " + path);
}

} // namespace

void make_icons(const std::string& dir) {
    for (int size : png_sizes) {
        Canvas canvas(size, size);
        emblem(canvas.cr(), size);
        canvas.save(dir + "/orvessa-" + std::to_string(size) + ".png", PngLayout::rgba);
    }
    write_svg(dir + "/orvessa.svg");
}
