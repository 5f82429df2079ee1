// A character's bust, drawn once and used twice: large on the select
// screen's portrait and small in the honeycomb face.
#include "tools/artgen/character_art.h"
#include "tools/artgen/characters.h"
#include "tools/artgen/rune_art.h"

#include <cmath>

namespace {

void fill_gradient(cairo_t* cr, const Colour& light, const Colour& dark, double y0, double y1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(-30, y0, 30, y1);
    add_stop(p, 0, light);
    add_stop(p, 1, dark);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void outline(cairo_t* cr, double width = 2) {
    set_colour(cr, palette::ink, 0.85);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void head_path(cairo_t* cr) {
    cairo_move_to(cr, 0, -54);
    cairo_curve_to(cr, 26, -54, 40, -36, 40, -8);
    cairo_curve_to(cr, 40, 18, 30, 44, 0, 58);
    cairo_curve_to(cr, -30, 44, -40, 18, -40, -8);
    cairo_curve_to(cr, -40, -36, -26, -54, 0, -54);
    cairo_close_path(cr);
}

void back_hair(cairo_t* cr, const Looks& l) {
    if (l.hair_style == Hair::long_straight) {
        cairo_move_to(cr, 0, -64);
        cairo_curve_to(cr, 44, -64, 56, -30, 54, 20);
        cairo_curve_to(cr, 54, 70, 66, 110, 70, 150);
        cairo_line_to(cr, -70, 150);
        cairo_curve_to(cr, -66, 110, -54, 70, -54, 20);
        cairo_curve_to(cr, -56, -30, -44, -64, 0, -64);
        cairo_close_path(cr);
        fill_gradient(cr, l.hair.lighter(0.25), l.hair.darker(0.45), -60, 150);
        outline(cr);
    } else if (l.hair_style == Hair::braid) {
        cairo_arc(cr, 0, -10, 50, M_PI, 2 * M_PI);
        cairo_line_to(cr, 48, 30);
        cairo_line_to(cr, -48, 30);
        cairo_close_path(cr);
        fill_gradient(cr, l.hair.lighter(0.2), l.hair.darker(0.35), -60, 30);
        outline(cr);
    }
}

void hood_back(cairo_t* cr, const Looks& l) {
    cairo_move_to(cr, 0, -84);
    cairo_curve_to(cr, 60, -84, 78, -30, 74, 30);
    cairo_curve_to(cr, 72, 70, 84, 100, 88, 130);
    cairo_line_to(cr, -88, 130);
    cairo_curve_to(cr, -84, 100, -72, 70, -74, 30);
    cairo_curve_to(cr, -78, -30, -60, -84, 0, -84);
    cairo_close_path(cr);
    fill_gradient(cr, l.robe.lighter(0.2), l.robe.darker(0.5), -80, 130);
    outline(cr);
    // The shadowed inside of the hood.
    cairo_move_to(cr, 0, -68);
    cairo_curve_to(cr, 44, -68, 56, -30, 54, 20);
    cairo_curve_to(cr, 52, 60, 30, 80, 0, 84);
    cairo_curve_to(cr, -30, 80, -52, 60, -54, 20);
    cairo_curve_to(cr, -56, -30, -44, -68, 0, -68);
    cairo_close_path(cr);
    set_colour(cr, l.robe.darker(0.8));
    cairo_fill(cr);
}

void body(cairo_t* cr, const Looks& l) {
    // Neck.
    cairo_rectangle(cr, -15, 30, 30, 50);
    set_colour(cr, l.skin.darker(0.25));
    cairo_fill(cr);
    // Shoulders and robe.
    cairo_move_to(cr, -18, 66);
    cairo_curve_to(cr, -58, 70, -84, 86, -88, 130);
    cairo_line_to(cr, -92, 300);
    cairo_line_to(cr, 92, 300);
    cairo_line_to(cr, 88, 130);
    cairo_curve_to(cr, 84, 86, 58, 70, 18, 66);
    cairo_close_path(cr);
    fill_gradient(cr, l.robe.lighter(0.25), l.robe.darker(0.55), 60, 300);
    outline(cr, 2.5);
    // A collar falling to a clasp.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 20, 66);
        cairo_curve_to(cr, side * 34, 80, side * 30, 110, 0, 132);
        cairo_curve_to(cr, side * 18, 104, side * 14, 86, side * 8, 70);
        cairo_close_path(cr);
        fill_gradient(cr, l.trim.lighter(0.4), l.trim.darker(0.4), 66, 132);
        outline(cr, 1.5);
    }
    RuneStyle style;
    style.metal = l.trim;
    draw_rune(cr, l.rune, 0, 128, 0.55, style);
}

void face(cairo_t* cr, const Looks& l, const Colour& accent) {
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, side * 39, 2);
        cairo_scale(cr, 7, 11);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        set_colour(cr, l.skin.darker(0.1));
        cairo_fill_preserve(cr);
        outline(cr, 1.5);
    }
    head_path(cr);
    cairo_pattern_t* skin = cairo_pattern_create_radial(-12, -18, 6, 0, 0, 66);
    add_stop(skin, 0, l.skin.lighter(0.25));
    add_stop(skin, 0.6, l.skin);
    add_stop(skin, 1, l.skin.darker(0.35));
    cairo_set_source(cr, skin);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(skin);
    outline(cr, 2.2);
    // Rim light from the character's own glow along the right edge: the head's
    // outline moved left, kept only where it still lies inside the head.
    cairo_save(cr);
    head_path(cr);
    cairo_clip(cr);
    cairo_translate(cr, -5, 0);
    head_path(cr);
    set_colour(cr, accent, 0.3);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Cheeks.
    glow(cr, -22, 24, 12, Colour::hex(0xff6a6a), 0.22);
    glow(cr, 22, 24, 12, Colour::hex(0xff6a6a), 0.22);
    // Eyes.
    for (int side = -1; side <= 1; side += 2) {
        double ex = side * 16, ey = 4;
        cairo_save(cr);
        cairo_translate(cr, ex, ey);
        cairo_move_to(cr, -10, 0);
        cairo_curve_to(cr, -5, -7, 5, -7, 10, 0);
        cairo_curve_to(cr, 5, 5, -5, 5, -10, 0);
        cairo_close_path(cr);
        set_colour(cr, Colour::hex(0xfaf6ee));
        cairo_fill(cr);
        cairo_arc(cr, 0, -0.5, 4.6, 0, 2 * M_PI);
        set_colour(cr, l.eyes);
        cairo_fill(cr);
        cairo_arc(cr, 0, -0.5, 2.2, 0, 2 * M_PI);
        set_colour(cr, palette::ink);
        cairo_fill(cr);
        cairo_arc(cr, -1.5, -2, 1.2, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
        cairo_fill(cr);
        cairo_move_to(cr, -10.5, 0.5);
        cairo_curve_to(cr, -5, -7.5, 5, -7.5, 10.5, -0.5);
        set_colour(cr, palette::ink);
        cairo_set_line_width(cr, 2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        // Brow.
        cairo_move_to(cr, -9, -12);
        cairo_curve_to(cr, -3, -16, 5, -16, 11 * 1.0, -12 + side * 0.0);
        set_colour(cr, l.hair.darker(0.4));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // Nose and mouth.
    cairo_move_to(cr, 1, 8);
    cairo_curve_to(cr, 3, 16, 6, 20, 1, 22);
    set_colour(cr, l.skin.darker(0.45));
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, -9, 33);
    cairo_curve_to(cr, -4, 37, 4, 37, 9, 33);
    cairo_curve_to(cr, 4, 40, -4, 40, -9, 33);
    cairo_close_path(cr);
    set_colour(cr, l.skin.mix(Colour::hex(0xb03040), 0.55));
    cairo_fill_preserve(cr);
    set_colour(cr, l.skin.darker(0.6));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void beard(cairo_t* cr, const Looks& l) {
    cairo_move_to(cr, -40, 0);
    cairo_curve_to(cr, -40, 40, -26, 78, 0, 86);
    cairo_curve_to(cr, 26, 78, 40, 40, 40, 0);
    cairo_curve_to(cr, 34, 22, 24, 28, 14, 28);
    cairo_curve_to(cr, 8, 26, -8, 26, -14, 28);
    cairo_curve_to(cr, -24, 28, -34, 22, -40, 0);
    cairo_close_path(cr);
    fill_gradient(cr, l.hair.lighter(0.2), l.hair.darker(0.35), 0, 86);
    outline(cr, 1.8);
    // Mouth showing through.
    cairo_move_to(cr, -8, 38);
    cairo_curve_to(cr, -3, 41, 3, 41, 8, 38);
    set_colour(cr, palette::ink, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void front_hair(cairo_t* cr, const Looks& l) {
    if (l.hair_style == Hair::bald) return;
    if (l.hair_style == Hair::short_crop) {
        cairo_move_to(cr, -42, -4);
        cairo_curve_to(cr, -46, -50, -20, -66, 4, -64);
        cairo_curve_to(cr, 30, -64, 48, -46, 42, -4);
        cairo_curve_to(cr, 38, -22, 30, -30, 22, -32);
        cairo_line_to(cr, 14, -24);
        cairo_line_to(cr, 8, -33);
        cairo_line_to(cr, -4, -25);
        cairo_line_to(cr, -10, -34);
        cairo_line_to(cr, -22, -28);
        cairo_curve_to(cr, -32, -26, -38, -18, -42, -4);
        cairo_close_path(cr);
    } else {
        // Side-parted fringe.
        cairo_move_to(cr, -44, 12);
        cairo_curve_to(cr, -50, -40, -24, -62, 2, -62);
        cairo_curve_to(cr, 30, -62, 50, -40, 44, 12);
        cairo_curve_to(cr, 40, -16, 30, -30, 10, -36);
        cairo_curve_to(cr, -6, -24, -24, -22, -34, -14);
        cairo_curve_to(cr, -38, -6, -40, 2, -44, 12);
        cairo_close_path(cr);
    }
    fill_gradient(cr, l.hair.lighter(0.3), l.hair.darker(0.3), -64, 10);
    outline(cr, 2);
    if (l.hair_style == Hair::braid) {
        for (int i = 0; i < 6; ++i) {
            double t = i / 5.0;
            double x = 34 + 12 * t, y = 36 + 22 * i;
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, 0.3);
            cairo_scale(cr, 11 - 3 * t, 13);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            fill_gradient(cr, l.hair.lighter(0.3), l.hair.darker(0.3), y - 10, y + 10);
            outline(cr, 1.5);
        }
    }
}

void headwear(cairo_t* cr, const Looks& l) {
    if (l.headwear == Headwear::circlet) {
        cairo_move_to(cr, -42, -22);
        cairo_curve_to(cr, -20, -36, 20, -36, 42, -22);
        set_colour(cr, palette::ink, 0.9);
        cairo_set_line_width(cr, 7);
        cairo_stroke_preserve(cr);
        set_colour(cr, l.trim);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        RuneStyle style;
        style.metal = l.trim;
        draw_rune(cr, l.rune, 0, -31, 0.5, style);
    } else if (l.headwear == Headwear::hood) {
        cairo_move_to(cr, -58, 30);
        cairo_curve_to(cr, -64, -40, -36, -74, 0, -74);
        cairo_curve_to(cr, 36, -74, 64, -40, 58, 30);
        cairo_curve_to(cr, 48, -30, 30, -56, 0, -56);
        cairo_curve_to(cr, -30, -56, -48, -30, -58, 30);
        cairo_close_path(cr);
        fill_gradient(cr, l.robe.lighter(0.35), l.robe.darker(0.3), -74, 30);
        outline(cr, 2);
        cairo_move_to(cr, -50, 10);
        cairo_curve_to(cr, -50, -40, -26, -60, 0, -60);
        cairo_curve_to(cr, 26, -60, 50, -40, 50, 10);
        set_colour(cr, l.trim, 0.9);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    } else if (l.headwear == Headwear::antlers) {
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, side * 22, -46);
            cairo_curve_to(cr, side * 30, -80, side * 52, -96, side * 70, -104);
            cairo_move_to(cr, side * 33, -74);
            cairo_curve_to(cr, side * 30, -90, side * 32, -100, side * 36, -110);
            cairo_move_to(cr, side * 52, -92);
            cairo_curve_to(cr, side * 54, -106, side * 60, -114, side * 62, -122);
            cairo_move_to(cr, side * 44, -84);
            cairo_curve_to(cr, side * 60, -84, side * 72, -80, side * 84, -84);
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        set_colour(cr, palette::ink, 0.9);
        cairo_set_line_width(cr, 8);
        cairo_stroke_preserve(cr);
        set_colour(cr, l.trim.lighter(0.3));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
}

} // namespace

void draw_bust(cairo_t* cr, const Character& ch) {
    const Looks& l = ch.looks;
    cairo_save(cr);
    if (l.headwear == Headwear::hood) hood_back(cr, l);
    back_hair(cr, l);
    body(cr, l);
    face(cr, l, ch.accent);
    if (l.beard) beard(cr, l);
    front_hair(cr, l);
    headwear(cr, l);
    cairo_restore(cr);
}
