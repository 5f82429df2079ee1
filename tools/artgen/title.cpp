// The title picture. The menu writes its variable text over it in white at
// 20 pixels: the score tables at x 48 / 128 from y 290 and 364, the player's
// name at (48, 420), the key bindings at x 440 from y 340, "version 1.0" at
// (540, 240). The pointer's tip stands at y 448 under x 120, 320 and 520.
// The panels behind those places are dark and plain so the text stays legible.
#include "tools/artgen/canvas.h"
#include "tools/artgen/generators.h"
#include "tools/artgen/rune_art.h"

#include <cmath>

namespace {

constexpr double panel_top = 262, panel_bottom = 444;

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

void heading(cairo_t* cr, const std::string& text, double x, double baseline, Align align) {
    double size = 17;
    select_face(cr, Face::bold, size);
    while (text_width(cr, text) > 168 && size > 10) select_face(cr, Face::bold, size -= 0.5);
    lettering(cr, text, Face::bold, size, x, baseline, align, palette::gold, palette::bronze);
}

void small(cairo_t* cr, const std::string& text, double x, double baseline, Align align,
           double alpha = 0.85) {
    select_face(cr, Face::regular, 15);
    text_path(cr, text, x, baseline, align);
    set_colour(cr, palette::ivory, alpha);
    cairo_fill(cr);
}

void left_panel(cairo_t* cr) {
    panel(cr, 24, panel_top, 194, panel_bottom - panel_top, 9);
    heading(cr, "Most runes cleared", 121, 284, Align::centre);
    heading(cr, "Most efficient", 121, 360, Align::centre);
    cairo_move_to(cr, 38, 413);
    cairo_line_to(cr, 204, 413);
    set_colour(cr, palette::bronze, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
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

void centre_panel(cairo_t* cr) {
    panel(cr, 228, panel_top, 184, panel_bottom - panel_top, 9);
    heading(cr, "Menu keys", 320, 284, Align::centre);
    arrow_key(cr, 254, 305, -1);
    arrow_key(cr, 276, 305, 1);
    small(cr, "pick a panel", 292, 310, Align::left);
    small(cr, "Enter  opens it", 244, 334, Align::left);
    small(cr, "Escape  quits", 244, 356, Align::left);
    // The start button.
    rounded_rect_path(cr, 252, 378, 136, 52, 10);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 378, 0, 430);
    add_stop(rim, 0, palette::gold);
    add_stop(rim, 1, palette::bronze_dark);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    rounded_rect_path(cr, 257, 383, 126, 42, 7);
    cairo_pattern_t* face = cairo_pattern_create_linear(0, 383, 0, 425);
    add_stop(face, 0, Colour::hex(0x8a2a2a));
    add_stop(face, 1, Colour::hex(0x3e0c12));
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    lettering(cr, "Start", Face::bold, 28, 320, 413, Align::centre, palette::ivory, palette::gold);
}

void right_panel(cairo_t* cr) {
    panel(cr, 422, panel_top, 210, panel_bottom - panel_top, 9);
    heading(cr, "Controls", 527, 284, Align::centre);
    small(cr, "Enter to change keys", 527, 306, Align::centre, 0.7);
    cairo_move_to(cr, 436, 318);
    cairo_line_to(cr, 618, 318);
    set_colour(cr, palette::bronze, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, 436, 410);
    cairo_line_to(cr, 618, 410);
    cairo_stroke(cr);
    small(cr, "P pauses a game", 527, 432, Align::centre);
}

} // namespace

void make_title(const std::string& dir) {
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.cr();
    sky(canvas);
    hills(cr);
    name(cr);
    runes_row(cr);
    left_panel(cr);
    centre_panel(cr);
    right_panel(cr);
    canvas.save(dir + "/titlescreen.png", PngLayout::rgb);
}
