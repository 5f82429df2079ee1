// A character's board picture: the backdrop of the play screen with the 67
// cells, the preview row above them, the score panel and the gauge's socket.
#include "tools/artgen/board_layout.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/character_art.h"
#include "tools/artgen/characters.h"

#include <algorithm>
#include <cmath>

namespace {

// The cell hexagon around (cx, cy), moved outward (positive) or inward.
void cell_path(cairo_t* cr, double cx, double cy, double grow) {
    hexagon_path(cr, cx, cy, cell_half_width + 1.118 * grow, cell_half_top + 0.618 * grow,
                 cell_half_height + grow);
}

void for_each_cell(const auto& f) {
    for (int c = 0; c <= 8; ++c)
        for (int r = column_top(c); r <= column_bottom(c); ++r) f(c, r);
}

void backdrop(Canvas& canvas, const Character& ch) {
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 480);
    add_stop(p, 0, ch.sky_top);
    add_stop(p, 1, ch.sky_bottom);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    stone_texture(canvas, static_cast<unsigned>(ch.id) * 7u, 0.45, 48);
    // The character's rune, large and faint, behind the board.
    cairo_save(cr);
    cairo_translate(cr, 240, 280);
    cairo_scale(cr, 190, 190);
    rune_shape_path(cr, ch.looks.rune);
    cairo_restore(cr);
    set_colour(cr, ch.accent, 0.06);
    cairo_fill(cr);
    glow(cr, 240, 280, 260, ch.accent, 0.10);
}

void plinth(cairo_t* cr, const Character& ch) {
    // Layered outlines of every cell grown outward give one stone slab with a
    // bronze rim that follows the board's ragged edge.
    const struct {
        double grow;
        Colour colour;
    } layers[] = {{9, palette::ink}, {7.5, ch.runes.metal.darker(0.35)}, {5.5, ch.stone}};
    for (const auto& layer : layers) {
        for_each_cell([&](int c, int r) {
            cell_path(cr, cell_centre_x(c), cell_centre_y(c, r), layer.grow);
        });
        set_colour(cr, layer.colour);
        cairo_fill(cr);
    }
}

void cell(cairo_t* cr, const Character& ch, double cx, double cy) {
    Colour well = ch.stone.darker(0.72);
    // Bevel: light on the lower rim, dark on the upper, as if the cell were sunk.
    cell_path(cr, cx, cy, -1);
    cairo_pattern_t* bevel = cairo_pattern_create_linear(0, cy - 20, 0, cy + 20);
    add_stop(bevel, 0, ch.stone.darker(0.6));
    add_stop(bevel, 1, ch.stone.lighter(0.35));
    cairo_set_source(cr, bevel);
    cairo_fill(cr);
    cairo_pattern_destroy(bevel);
    cell_path(cr, cx, cy, -3);
    cairo_pattern_t* inside = cairo_pattern_create_linear(0, cy - 17, 0, cy + 17);
    add_stop(inside, 0, well.darker(0.35));
    add_stop(inside, 1, well.lighter(0.06));
    cairo_set_source(cr, inside);
    cairo_fill(cr);
    cairo_pattern_destroy(inside);
}

void preview_row(cairo_t* cr, const Character& ch) {
    double top = preview_y - 4, h = 48;
    rounded_rect_path(cr, 52, top, 376, h, 12);
    set_colour(cr, palette::ink);
    cairo_fill(cr);
    rounded_rect_path(cr, 54, top + 2, 372, h - 4, 10);
    set_colour(cr, ch.runes.metal.darker(0.3));
    cairo_fill(cr);
    rounded_rect_path(cr, 57, top + 5, 366, h - 10, 8);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, top + h);
    add_stop(p, 0, ch.stone.darker(0.85));
    add_stop(p, 1, ch.stone.darker(0.55));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // A notch above each column shows where the rune will fall.
    for (int c = 0; c <= 8; ++c) {
        double x = cell_centre_x(c);
        cairo_move_to(cr, x - 5, top + h - 5);
        cairo_line_to(cr, x + 5, top + h - 5);
        cairo_line_to(cr, x, top + h + 1);
        cairo_close_path(cr);
        set_colour(cr, ch.accent, 0.55);
        cairo_fill(cr);
    }
}

void label(cairo_t* cr, const std::string& text, double x, double baseline, double max_width) {
    double size = 15;
    select_face(cr, Face::regular, size);
    while (text_width(cr, text) > max_width && size > 9)
        select_face(cr, Face::regular, size -= 0.5);
    text_path(cr, text, x, baseline, Align::left);
    set_colour(cr, palette::ivory, 0.9);
    cairo_fill(cr);
}

void slot(cairo_t* cr, double x0, double y, double x1) {
    rounded_rect_path(cr, x0, y - 3, x1 - x0, digit_size + 6, 5);
    set_colour(cr, palette::ink, 0.85);
    cairo_fill_preserve(cr);
    set_colour(cr, palette::bronze, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void score_panel(cairo_t* cr, const Character& ch) {
    panel(cr, 436, 10, 200, 462, 10);
    lettering(cr, ch.name, Face::bold, 30, 536, 48, Align::centre, palette::ivory, ch.accent);
    select_face(cr, Face::regular, 15);
    text_path(cr, ch.epithet, 536, 70, Align::centre);
    set_colour(cr, ch.accent, 0.9);
    cairo_fill(cr);

    // The character's emblem.
    glow(cr, 536, 152, 62, ch.accent, 0.35);
    cairo_arc(cr, 536, 152, 50, 0, 2 * M_PI);
    set_colour(cr, ch.runes.metal, 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    draw_rune(cr, ch.looks.rune, 536, 152, 2.3, ch.runes);

    const char* names[3] = {"Cleared", "Dropped", "Efficiency"};
    const double slot_left[3] = {514, 514, 499};
    for (int i = 0; i < 3; ++i) {
        double y = score_line_y[i];
        slot(cr, slot_left[i], y, i == 2 ? 634 : score_line_right[i] - 1);
        label(cr, names[i], 443, y + 18, slot_left[i] - 447);
    }
    // Efficiency is kept in hundredths of a percent: a point before the last
    // two digits and a percent sign after them make 8300 read as 83.00%.
    double y = score_line_y[2];
    double point_x = score_line_right[2] - 2 * digit_size;
    cairo_arc(cr, point_x, y + 20, 2.4, 0, 2 * M_PI);
    set_colour(cr, ch.accent);
    cairo_fill(cr);
    lettering(cr, "%", Face::bold, 20, score_line_right[2] + 11, y + 20, Align::centre,
              palette::ivory, ch.accent);
}

void gauge_socket(cairo_t* cr, const Character& ch) {
    double x = gauge_x, y = gauge_y;
    label(cr, "Pressure", 446, y + 5, 58);
    glow(cr, x, y, gauge_radius + 20, ch.accent, 0.25);
    cairo_arc(cr, x, y, gauge_radius + 8, 0, 2 * M_PI);
    cairo_pattern_t* ring = cairo_pattern_create_linear(x - 48, y - 48, x + 48, y + 48);
    add_stop(ring, 0, ch.runes.metal.lighter(0.4));
    add_stop(ring, 1, ch.runes.metal.darker(0.6));
    cairo_set_source(cr, ring);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    cairo_arc(cr, x, y, gauge_radius + 1, 0, 2 * M_PI);
    set_colour(cr, palette::ink);
    cairo_fill(cr);
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        double r0 = gauge_radius + 2.5, r1 = gauge_radius + (i % 3 ? 5.5 : 7.5);
        cairo_move_to(cr, x + r0 * std::sin(a), y - r0 * std::cos(a));
        cairo_line_to(cr, x + r1 * std::sin(a), y - r1 * std::cos(a));
    }
    set_colour(cr, palette::ink);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

} // namespace

void draw_board(Canvas& canvas, const Character& ch) {
    cairo_t* cr = canvas.cr();
    backdrop(canvas, ch);
    preview_row(cr, ch);
    plinth(cr, ch);
    for_each_cell([&](int c, int r) { cell(cr, ch, cell_centre_x(c), cell_centre_y(c, r)); });
    score_panel(cr, ch);
    gauge_socket(cr, ch);
}

void draw_digits(Canvas& canvas, const Character& ch) {
    cairo_t* cr = canvas.cr();
    for (int d = 0; d < 10; ++d) {
        std::string text(1, static_cast<char>('0' + d));
        double size = 26;
        select_face(cr, Face::bold, size);
        cairo_text_extents_t e;
        cairo_text_extents(cr, text.c_str(), &e);
        // Fit the tallest digit inside the cell with room for the outline.
        double scale = std::min(19.0 / e.height, 19.0 / std::max(e.width, 1.0));
        size *= std::min(scale, 1.0);
        select_face(cr, Face::bold, size);
        cairo_text_extents(cr, text.c_str(), &e);
        double x = d * digit_size + 12 - (e.x_bearing + e.width / 2);
        double baseline = 12 - (e.y_bearing + e.height / 2);
        lettering(cr, text, Face::bold, size, x, baseline, Align::left, palette::ivory, ch.accent);
    }
}
