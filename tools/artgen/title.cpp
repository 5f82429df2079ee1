// The title picture. The menu writes its variable text over it in white at
// 20 pixels: the score tables at x 48 / 128 from y 290 and 364, the player's
// name at (48, 420), the key bindings at x 440 from y 340, "version 1.0" at
// (540, 240). The pointer's tip stands at y 448 under x 120, 320 and 520.
// The panels behind those places are dark and plain so the text stays legible.
//
// The game draws a line of text from its top: with its face at 20 pixels the
// capitals fill rows y + 7 to y + 20 and descenders reach y + 24. Rows 18
// pixels apart leave only a few pixels between them, so nothing painted may
// stand in a table's rows, and the name line, which can run on for 64
// characters, crosses all three panels above the pointer.
#include "tools/artgen/canvas.h"
#include "tools/artgen/generators.h"
#include "tools/artgen/rune_art.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The top clears "version 1.0" above the right panel; the bottom holds the
// name line's descenders and stops just short of the pointer's tip.
constexpr double panel_top = 265, panel_bottom = 447;
// Panel headings share one baseline.
constexpr double heading_baseline = 286;
// The band the name line runs through, kept free of painted detail in every
// panel.
constexpr double name_band_top = 424;

void sky(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 480);
    add_stop(p, 0, Colour::hex(0x070b18));
    add_stop(p, 0.45, Colour::hex(0x1b2850));
    add_stop(p, 0.56, Colour::hex(0x2a2a52));
    add_stop(p, 1, Colour::hex(0x080a14));
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    starfield(cr, 0, 0, 640, 250, 170, 71);
    // A faint honeycomb turning in the sky behind the name.
    cairo_save(cr);
    for (int c = -1; c < 18; ++c)
        for (int r = -1; r < 8; ++r) {
            double cx = c * 40.0, cy = r * 40.0 + (c % 2 ? 20 : 0);
            double d = std::hypot(cx - 320, (cy - 120) * 1.6);
            double a = 0.16 * std::exp(-d / 170);
            if (a < 0.01) continue;
            hexagon_path(cr, cx, cy, 24, 14, 19);
            set_colour(cr, palette::gold, a);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    cairo_restore(cr);
}

void hills(cairo_t* cr) {
    // Two ranges of rolling hills at the horizon, the far one bluer.
    const double heights[2] = {228, 246};
    const Colour colours[2] = {Colour::hex(0x1a2342), Colour::hex(0x0d1226)};
    for (int layer = 0; layer < 2; ++layer) {
        cairo_move_to(cr, 0, 480);
        for (int x = 0; x <= 640; x += 8) {
            double y = heights[layer] + 14 * std::sin(x / (60.0 + 25 * layer) + layer * 2.1) +
                       7 * std::sin(x / 23.0 + layer);
            cairo_line_to(cr, x, y);
        }
        cairo_line_to(cr, 640, 480);
        cairo_close_path(cr);
        set_colour(cr, colours[layer]);
        cairo_fill(cr);
    }
}

void name(cairo_t* cr) {
    glow(cr, 320, 92, 190, Colour::hex(0xf3b84a), 0.22);
    lettering(cr, "Orvessa", Face::bold, 100, 320, 128, Align::centre, palette::ivory,
              palette::bronze);
    select_face(cr, Face::regular, 19);
    text_path(cr, "three runes in a line", 320, 160, Align::centre);
    set_colour(cr, palette::ivory, 0.8);
    cairo_fill(cr);
}

void runes_row(cairo_t* cr) {
    RuneStyle style;
    for (int k = 0; k < 7; ++k) {
        double x = 320 + (k - 3) * 46;
        glow(cr, x, 205, 26, rune_colour(k), 0.25);
        draw_rune(cr, k, x, 205, 0.95, style);
    }
    for (int k = 7; k <= 10; ++k) {
        double x = k < 9 ? 320 - 3 * 46 - 50 - (8 - k) * 38 : 320 + 3 * 46 + 50 + (k - 9) * 38;
        draw_rune(cr, k, x, 207, 0.75, style);
    }
}

// The three panels, and the bridges that join their feet so that a long name
// runs from one panel into the next without crossing their rims.
struct Box {
    double x, y, w, h, radius;
};

std::vector<Box> panel_boxes() {
    const double h = panel_bottom - panel_top, bridge_top = 414,
                 bridge_h = panel_bottom - bridge_top;
    return {{24, panel_top, 194, h, 9},
            {228, panel_top, 184, h, 9},
            {422, panel_top, 210, h, 9},
            {208, bridge_top, 30, bridge_h, 0},
            {402, bridge_top, 30, bridge_h, 0}};
}

void boxes_path(cairo_t* cr, const std::vector<Box>& boxes, double grow, double dx, double dy) {
    for (const Box& b : boxes)
        rounded_rect_path(cr, b.x - grow + dx, b.y - grow + dy, b.w + 2 * grow, b.h + 2 * grow,
                          std::max(b.radius + grow, 0.0));
}

void fill_vertical(cairo_t* cr, const Colour& top, double top_alpha, const Colour& bottom,
                   double bottom_alpha) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, panel_top, 0, panel_bottom);
    add_stop(p, 0, top, top_alpha);
    add_stop(p, 1, bottom, bottom_alpha);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Drawn as one outline: the rim is the band between the outline grown and
// shrunk by half its width, so the boxes' overlaps leave no rim inside.
void panel_frames(cairo_t* cr) {
    const std::vector<Box> boxes = panel_boxes();
    const double half_rim = 1.25;
    boxes_path(cr, boxes, 0, 3, 4);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);
    cairo_push_group(cr);
    boxes_path(cr, boxes, half_rim, 0, 0);
    fill_vertical(cr, palette::gold, 1, palette::bronze_dark, 1);
    // The translucent inside replaces the rim's colour rather than tinting it.
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    boxes_path(cr, boxes, -half_rim, 0, 0);
    fill_vertical(cr, palette::slate.darker(0.35), 0.92, palette::night, 0.94);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

// The faint inner rim of a panel fades out above the name band, where it
// would run between the name line's baseline and its descenders.
void inner_rim(cairo_t* cr, double x, double w) {
    const double inset = 4;
    rounded_rect_path(cr, x + inset, panel_top + inset, w - 2 * inset,
                      panel_bottom - panel_top - 2 * inset, 6);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, panel_top, 0, name_band_top);
    add_stop(fade, 0, palette::bronze, 0.35);
    add_stop(fade, 0.8, palette::bronze, 0.35);
    add_stop(fade, 1, palette::bronze, 0);
    cairo_set_source(cr, fade);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_pattern_destroy(fade);
}

double heading_size(cairo_t* cr, const std::string& text, double size) {
    select_face(cr, Face::bold, size);
    while (text_width(cr, text) > 168 && size > 10) select_face(cr, Face::bold, size -= 0.5);
    return size;
}

void heading(cairo_t* cr, const std::string& text, double x, double baseline, Align align) {
    double size = heading_size(cr, text, 17);
    lettering(cr, text, Face::bold, size, x, baseline, align, palette::gold, palette::bronze);
}

void small(cairo_t* cr, const std::string& text, double x, double baseline, Align align,
           double alpha = 0.85) {
    select_face(cr, Face::regular, 15);
    text_path(cr, text, x, baseline, align);
    set_colour(cr, palette::ivory, alpha);
    cairo_fill(cr);
}

void rule(cairo_t* cr, double x0, double x1, double y) {
    cairo_move_to(cr, x0, y);
    cairo_line_to(cr, x1, y);
    set_colour(cr, palette::bronze, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// The efficiency table's heading has only the gap between the two tables:
// capitals of the runes-cleared table's last row end at 347 and those of the
// efficiency table's first row start at 371. A smaller heading centred there,
// with rules out to the panel's sides, marks the second table.
void table_heading(cairo_t* cr, const std::string& text, double centre_y) {
    const double x = 121, gap = 8, cap_height = 0.748; // of the lettering face, in ems
    double size = heading_size(cr, text, 14);
    double half = text_width(cr, text) / 2;
    lettering(cr, text, Face::bold, size, x, centre_y + cap_height * size / 2, Align::centre,
              palette::gold, palette::bronze);
    rule(cr, 38, x - half - gap, centre_y + 0.5);
    rule(cr, x + half + gap, 204, centre_y + 0.5);
}

void left_panel(cairo_t* cr) {
    inner_rim(cr, 24, 194);
    heading(cr, "Most runes cleared", 121, heading_baseline, Align::centre);
    table_heading(cr, "Most efficient", 359);
}

void arrow_key(cairo_t* cr, double x, double y, int dir) {
    rounded_rect_path(cr, x - 9, y - 9, 18, 18, 3);
    set_colour(cr, palette::slate.lighter(0.1));
    cairo_fill_preserve(cr);
    set_colour(cr, palette::bronze, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, x + dir * 5, y);
    cairo_line_to(cr, x - dir * 3, y - 5);
    cairo_line_to(cr, x - dir * 3, y + 5);
    cairo_close_path(cr);
    set_colour(cr, palette::ivory);
    cairo_fill(cr);
}

void start_button(cairo_t* cr, double top) {
    const double height = 50;
    rounded_rect_path(cr, 252, top, 136, height, 10);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, top, 0, top + height);
    add_stop(rim, 0, palette::gold);
    add_stop(rim, 1, palette::bronze_dark);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    rounded_rect_path(cr, 257, top + 5, 126, height - 10, 7);
    cairo_pattern_t* face = cairo_pattern_create_linear(0, top + 5, 0, top + height - 5);
    add_stop(face, 0, Colour::hex(0x8a2a2a));
    add_stop(face, 1, Colour::hex(0x3e0c12));
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    lettering(cr, "Start", Face::bold, 28, 320, top + 34, Align::centre, palette::ivory,
              palette::gold);
}

void centre_panel(cairo_t* cr) {
    inner_rim(cr, 228, 184);
    heading(cr, "Menu keys", 320, heading_baseline, Align::centre);
    arrow_key(cr, 254, 306, -1);
    arrow_key(cr, 276, 306, 1);
    small(cr, "pick a panel", 292, 311, Align::left);
    small(cr, "Enter  opens it", 244, 332, Align::left);
    small(cr, "Escape  quits", 244, 352, Align::left);
    // Ends well above the name band.
    start_button(cr, 363);
}

void right_panel(cairo_t* cr) {
    inner_rim(cr, 422, 210);
    heading(cr, "Controls", 527, heading_baseline, Align::centre);
    small(cr, "Enter to change keys", 527, 306, Align::centre, 0.7);
    small(cr, "P pauses a game", 527, 323, Align::centre, 0.7);
    // The bindings' capitals start at 347 and their descenders end at 404;
    // below them only the name band.
    rule(cr, 436, 618, 333.5);
}

} // namespace

void make_title(const std::string& dir) {
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.cr();
    sky(canvas);
    hills(cr);
    name(cr);
    runes_row(cr);
    panel_frames(cr);
    left_panel(cr);
    centre_panel(cr);
    right_panel(cr);
    canvas.save(dir + "/titlescreen.png", PngLayout::rgb);
}
