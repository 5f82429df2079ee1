// The character-select screen: its background with a frame around each of
// the 19 honeycomb places, the cursor drawn over the chosen place, and the
// face of an empty place.
#include "tools/artgen/generators.h"
#include "tools/artgen/rune_art.h"
#include "tools/artgen/select_layout.h"

#include <cmath>

void place_hexagon_path(cairo_t* cr, double x, double y, double inset) {
    hexagon_path(cr, x + 40, y + 40, 40 - 1.118 * inset, 20 - 0.618 * inset, 40 - inset);
}

Colour frame_interior() {
    return Colour::hex(0x121a2e);
}

namespace {

void frame(cairo_t* cr, double x, double y) {
    place_hexagon_path(cr, x, y, frame_inset);
    set_colour(cr, frame_interior());
    cairo_fill(cr);
    place_hexagon_path(cr, x, y, frame_inset);
    cairo_pattern_t* ring = cairo_pattern_create_linear(x, y, x + 30, y + 80);
    add_stop(ring, 0, palette::gold);
    add_stop(ring, 0.5, palette::bronze);
    add_stop(ring, 1, palette::bronze_dark);
    cairo_set_source(cr, ring);
    cairo_set_line_width(cr, frame_width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
    cairo_pattern_destroy(ring);
    for (double inset : {frame_inset - frame_width / 2, frame_inset + frame_width / 2}) {
        place_hexagon_path(cr, x, y, inset);
        set_colour(cr, palette::ink, 0.85);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

void backdrop(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 640, 480);
    add_stop(p, 0, Colour::hex(0x101830));
    add_stop(p, 1, Colour::hex(0x1c1030));
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    stone_texture(canvas, 5, 0.35, 60);
    // The stage on the left where the portrait stands, lit from below.
    cairo_pattern_t* stage = cairo_pattern_create_radial(100, 420, 10, 100, 330, 260);
    add_stop(stage, 0, Colour::hex(0x3a4a78), 0.55);
    add_stop(stage, 1, Colour::hex(0x3a4a78), 0);
    cairo_set_source(cr, stage);
    cairo_paint(cr);
    cairo_pattern_destroy(stage);
    glow(cr, 400, 240, 240, palette::gold, 0.12);
}

void lettering_and_hint(cairo_t* cr) {
    select_face(cr, Face::regular, 17);
    text_path(cr, "Choose your", 18, 32, Align::left);
    set_colour(cr, palette::ivory, 0.85);
    cairo_fill(cr);
    lettering(cr, "Rune-caster", Face::bold, 34, 16, 66, Align::left, palette::ivory,
              palette::gold);
    select_face(cr, Face::regular, 15);
    text_path(cr, "Arrow keys move", 628, 446, Align::right);
    text_path(cr, "Enter or your drop key chooses", 628, 466, Align::right);
    set_colour(cr, palette::ivory, 0.8);
    cairo_fill(cr);
}

void draw_select_screen(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    backdrop(canvas);
    // Threads of light between neighbouring places knit the honeycomb together.
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 5; ++r) {
            if (!in_honeycomb(c, r)) continue;
            const int next[3][2] = {{0, 1}, {1, 0}, {1, -1}};
            for (const auto& n : next) {
                if (!in_honeycomb(c + n[0], r + n[1])) continue;
                cairo_move_to(cr, place_x(c) + 40, place_y(c, r) + 40);
                cairo_line_to(cr, place_x(c + n[0]) + 40, place_y(c + n[0], r + n[1]) + 40);
            }
        }
    set_colour(cr, palette::gold, 0.35);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 5; ++r)
            if (in_honeycomb(c, r)) frame(cr, place_x(c), place_y(c, r));
    lettering_and_hint(cr);
}

void make_cursor(const std::string& dir) {
    Canvas canvas(80, 80);
    cairo_t* cr = canvas.cr();
    place_hexagon_path(cr, 0, 0, frame_inset);
    set_colour(cr, palette::gold, 0.5);
    cairo_set_line_width(cr, frame_width + 3);
    cairo_stroke(cr);
    place_hexagon_path(cr, 0, 0, frame_inset);
    set_colour(cr, Colour::hex(0xfff4c0));
    cairo_set_line_width(cr, frame_width - 1);
    cairo_stroke(cr);
    // Bright corner pieces at the six corners of the frame.
    const double d = frame_inset;
    const double corners[6][2] = {{1.118 * d, 40},          {20 + 0.618 * d, d},
                                  {60 - 0.618 * d, d},      {80 - 1.118 * d, 40},
                                  {60 - 0.618 * d, 80 - d}, {20 + 0.618 * d, 80 - d}};
    for (const auto& c : corners) {
        cairo_arc(cr, c[0], c[1], 4.2, 0, 2 * M_PI);
        set_colour(cr, palette::ink, 0.9);
        cairo_fill(cr);
        cairo_arc(cr, c[0], c[1], 3, 0, 2 * M_PI);
        set_colour(cr, Colour{1, 1, 1});
        cairo_fill(cr);
    }
    canvas.save(dir + "/cursor.png", PngLayout::rgba);
}

void make_blank_face(const std::string& dir) {
    Canvas canvas(80, 80);
    cairo_t* cr = canvas.cr();
    place_hexagon_path(cr, 0, 0, picture_inset);
    cairo_pattern_t* p = cairo_pattern_create_radial(40, 34, 4, 40, 40, 40);
    add_stop(p, 0, Colour::hex(0x2a3454));
    add_stop(p, 1, frame_interior());
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // A faint carved ring: a place that no one has taken yet.
    cairo_arc(cr, 40, 40, 17, 0, 2 * M_PI);
    set_colour(cr, palette::mist, 0.45);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    polygon_path(cr, 40, 40, 6, 9, -90);
    set_colour(cr, palette::mist, 0.3);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    write_png(dir + "/blankface.png", key_over(canvas, frame_interior()));
}

} // namespace

Pixels render_select_screen() {
    Canvas canvas(640, 480);
    draw_select_screen(canvas);
    return canvas.pixels(PngLayout::rgb);
}

Pixels key_over(const Canvas& picture, const Pixels& background, int bx, int by) {
    Pixels src = picture.pixels(PngLayout::rgba);
    Pixels out;
    out.width = src.width;
    out.height = src.height;
    out.channels = 3;
    out.data.resize(static_cast<std::size_t>(out.width) * out.height * 3);
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x) {
            const std::uint8_t* s = src.at(x, y);
            std::uint8_t* d = out.at(x, y);
            int a = s[3];
            if (a < 24) {
                d[0] = 255, d[1] = 0, d[2] = 255;
                continue;
            }
            const std::uint8_t* b = background.at(bx + x, by + y);
            for (int i = 0; i < 3; ++i)
                d[i] = static_cast<std::uint8_t>((s[i] * a + b[i] * (255 - a) + 127) / 255);
            // A blend that lands on the mask colour itself would vanish.
            if (d[0] == 255 && d[1] == 0 && d[2] == 255) d[1] = 1;
        }
    return out;
}

Pixels key_over(const Canvas& picture, const Colour& background) {
    Pixels flat;
    flat.width = picture.width();
    flat.height = picture.height();
    flat.channels = 3;
    flat.data.resize(static_cast<std::size_t>(flat.width) * flat.height * 3);
    for (std::size_t i = 0; i < flat.data.size(); i += 3) {
        flat.data[i] = static_cast<std::uint8_t>(std::lround(background.r * 255));
        flat.data[i + 1] = static_cast<std::uint8_t>(std::lround(background.g * 255));
        flat.data[i + 2] = static_cast<std::uint8_t>(std::lround(background.b * 255));
    }
    return key_over(picture, flat, 0, 0);
}

void make_select_screen(const std::string& dir) {
    Canvas canvas(640, 480);
    draw_select_screen(canvas);
    canvas.save(dir + "/charscreen.png", PngLayout::rgb);
    make_cursor(dir);
    make_blank_face(dir);
}
