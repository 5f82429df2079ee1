// The five pictures of one character: board, rune sheet, digit sheet, and
// the face and portrait of the select screen.
#include "tools/artgen/character_art.h"

#include "tools/artgen/characters.h"
#include "tools/artgen/generators.h"
#include "tools/artgen/rune_art.h"
#include "tools/artgen/select_layout.h"

#include <cmath>

namespace {

std::string file(const std::string& dir, const char* what, int id, const char* ext) {
    return dir + "/" + what + std::to_string(id) + ext;
}

void make_face(const Character& ch, const std::string& dir) {
    Canvas canvas(80, 80);
    cairo_t* cr = canvas.cr();
    place_hexagon_path(cr, 0, 0, picture_inset);
    cairo_clip(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(40, 30, 4, 40, 40, 46);
    add_stop(p, 0, ch.accent.mix(ch.sky_top, 0.45));
    add_stop(p, 1, ch.sky_bottom);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_translate(cr, 40, 40);
    cairo_scale(cr, 0.46, 0.46);
    draw_bust(cr, ch);
    write_png(file(dir, "face", ch.id, ".png"), key_over(canvas, frame_interior()));
}

void make_portrait(const Character& ch, const std::string& dir) {
    // Drawn from the screen's top-left corner; only as wide as the figure,
    // which keeps clear of the honeycomb's places: it stands in the strip
    // left of them and in the free corner under their first column. The
    // screen shows the same, and the game holds a third of the pixels.
    Canvas canvas(portrait_width, 480);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 0, 0, 200, 480);
    cairo_rectangle(cr, 200, 360, portrait_width - 200, 120);
    cairo_clip(cr);
    // The character's rune floats beside them.
    glow(cr, 166, 116, 36, rune_colour(ch.looks.rune).lighter(0.3), 0.6);
    draw_rune(cr, ch.looks.rune, 166, 116, 1.3, ch.runes);
    cairo_save(cr);
    cairo_translate(cr, 100, 262);
    cairo_scale(cr, 1.05, 1.05);
    draw_bust(cr, ch);
    cairo_restore(cr);
    panel(cr, 8, 420, 188, 52, 8);
    lettering(cr, ch.name, Face::bold, 24, 102, 445, Align::centre, palette::ivory, ch.accent);
    select_face(cr, Face::regular, 14);
    text_path(cr, ch.epithet, 102, 463, Align::centre);
    set_colour(cr, palette::ivory, 0.85);
    cairo_fill(cr);
    write_png(file(dir, "port", ch.id, ".png"), key_over(canvas, render_select_screen(), 0, 0));
}

} // namespace

void make_character_pictures(const Character& ch, const std::string& dir) {
    {
        Canvas board(640, 480);
        draw_board(board, ch);
        board.save(file(dir, "board", ch.id, ".png"), PngLayout::rgb);
    }
    {
        Canvas runes(440, 40);
        for (int kind = 0; kind < 11; ++kind)
            draw_rune(runes.cr(), kind, kind * 40 + 20, 20, 1, ch.runes);
        runes.save(file(dir, "runes", ch.id, ".png"), PngLayout::rgba);
    }
    {
        Canvas digits(240, 24);
        draw_digits(digits, ch);
        digits.save(file(dir, "score", ch.id, ".png"), PngLayout::rgba);
    }
    make_face(ch, dir);
    make_portrait(ch, dir);
}
