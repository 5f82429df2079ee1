// Composite pictures for judging the art as a whole: the play screen with
// runes in their cells, the select screen with its faces, the title with its
// text. They follow the game's own coordinates; they are not shipped.
#include "tools/artgen/board_layout.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/characters.h"
#include "tools/artgen/generators.h"
#include "tools/artgen/rng.h"
#include "tools/artgen/select_layout.h"

#include <cairo-ft.h>
#include <cmath>
#include <cstdint>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <stdexcept>

namespace {

// Loads a PNG; a masked picture loses its mask-coloured pixels as the game's
// image layer does.
cairo_surface_t* load(const std::string& path, bool masked) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot read " + path);
    if (!masked || cairo_image_surface_get_format(s) != CAIRO_FORMAT_RGB24) return s;
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_surface_flush(s);
    for (int y = 0; y < h; ++y) {
        auto src = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                    y * cairo_image_surface_get_stride(s));
        auto dst = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(out) +
                                                    y * cairo_image_surface_get_stride(out));
        for (int x = 0; x < w; ++x)
            dst[x] = (src[x] & 0xffffff) == 0xff00ff ? 0 : (src[x] | 0xff000000u);
    }
    cairo_surface_mark_dirty(out);
    cairo_surface_destroy(s);
    return out;
}

void blit(cairo_t* cr, cairo_surface_t* s, double x, double y, double alpha = 1) {
    cairo_set_source_surface(cr, s, x, y);
    cairo_paint_with_alpha(cr, alpha);
}

void cell_of(cairo_t* cr, cairo_surface_t* sheet, int size, int index, double x, double y) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, size, size);
    cairo_clip(cr);
    cairo_set_source_surface(cr, sheet, x - index * size, y);
    cairo_paint(cr);
    cairo_restore(cr);
}

void draw_number(cairo_t* cr, cairo_surface_t* digits, int n, int x, int y) {
    do {
        cell_of(cr, digits, 24, n % 10, x - 24, y);
        n /= 10;
        x -= 24;
    } while (n > 0);
}

void gauge(cairo_t* cr, double fraction) {
    double x = gauge_x, y = gauge_y, radius = gauge_radius;
    for (int i = 0; i <= 10; ++i) {
        double v = 25 * i / 255.0;
        cairo_set_source_rgb(cr, v, v, static_cast<int>(25 * i * 0.9f) / 255.0);
        cairo_arc(cr, x, y, radius - i, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 250 / 255.0, 250 / 255.0, 225 / 255.0);
    cairo_arc(cr, x, y, radius - 11, 0, 2 * M_PI);
    cairo_fill(cr);
    double a = fraction * 2 * M_PI;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + radius * std::sin(a), y - radius * std::cos(a));
    cairo_set_source_rgb(cr, 10 / 255.0, 10 / 255.0, 10 / 255.0);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

void play_screen(const Character& ch, const std::string& chars, const std::string& assets,
                 const std::string& out) {
    std::string id = std::to_string(ch.id);
    cairo_surface_t* board = load(chars + "/board" + id + ".png", false);
    cairo_surface_t* runes = load(chars + "/runes" + id + ".png", true);
    cairo_surface_t* digits = load(chars + "/score" + id + ".png", true);
    cairo_surface_t* sparks = load(assets + "/sparks.png", false);
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.cr();
    blit(cr, board, 0, 0);
    Rng rng(static_cast<unsigned>(ch.id));
    for (int c = 0; c <= 8; ++c) {
        int filled = rng.below(2, 6);
        for (int r = column_bottom(c); r > column_bottom(c) - filled; --r) {
            int kind = rng.chance(0.12) ? rng.below(7, 10) : rng.below(0, 6);
            cell_of(cr, runes, 40, kind, 60 + 40 * c, 40 * r + 20 * c - 20);
        }
    }
    // A rune half-way down its column, the preview above the cursor, a fading
    // rune and a burst of sparkles.
    cell_of(cr, runes, 40, 3, 60 + 40 * 4, 180);
    cell_of(cr, runes, 40, 10, 60 + 40 * 6, preview_y);
    for (int k = 0; k < 12; ++k) {
        double a = k * 30 * M_PI / 180;
        cairo_save(cr);
        cairo_translate(cr, 120 + 30 * std::cos(a), 300 + 30 * std::sin(a));
        cairo_rotate(cr, a);
        cairo_scale(cr, 0.8, 0.8);
        cell_of(cr, sparks, 40, k % 7, -20, -20);
        cairo_restore(cr);
    }
    draw_number(cr, digits, 1234, score_line_right[0], score_line_y[0]);
    draw_number(cr, digits, 1487, score_line_right[1], score_line_y[1]);
    draw_number(cr, digits, 8298, score_line_right[2], score_line_y[2]);
    gauge(cr, 0.3);
    canvas.save(out + "/preview-play" + id + ".png", PngLayout::rgb);
    for (cairo_surface_t* s : {board, runes, digits, sparks}) cairo_surface_destroy(s);
}

void select_screen(const std::string& chars, const std::string& assets, const std::string& out) {
    cairo_surface_t* back = load(assets + "/charscreen.png", true);
    cairo_surface_t* blank = load(assets + "/blankface.png", true);
    cairo_surface_t* cursor = load(assets + "/cursor.png", true);
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.cr();
    blit(cr, back, 0, 0);
    cairo_surface_t* port = load(chars + "/port33.png", true);
    blit(cr, port, 0, 0);
    cairo_surface_destroy(port);
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 5; ++r) {
            if (!in_honeycomb(c, r)) continue;
            const Character* ch = find_character(10 * c + r);
            cairo_surface_t* face =
                ch ? load(chars + "/face" + std::to_string(ch->id) + ".png", true) : nullptr;
            blit(cr, face ? face : blank, place_x(c), place_y(c, r));
            if (face) cairo_surface_destroy(face);
            if (c == 3 && r == 3) blit(cr, cursor, place_x(c), place_y(c, r));
        }
    canvas.save(out + "/preview-select.png", PngLayout::rgb);
    for (cairo_surface_t* s : {back, blank, cursor}) cairo_surface_destroy(s);
}

// The face the game writes its text with, at the game's 20 pixels. The game
// draws a line from its top: the baseline lies one ascender below y.
class RunTimeText {
  public:
    explicit RunTimeText(const std::string& path) {
        if (FT_Init_FreeType(&library_) != 0 || FT_New_Face(library_, path.c_str(), 0, &face_) != 0)
            throw std::runtime_error("cannot open font " + path);
        FT_Set_Pixel_Sizes(face_, 0, 20);
        ascender_ = static_cast<double>(face_->size->metrics.ascender >> 6);
        cairo_face_ = cairo_ft_font_face_create_for_ft_face(face_, 0);
    }
    ~RunTimeText() {
        cairo_font_face_destroy(cairo_face_);
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }
    RunTimeText(const RunTimeText&) = delete;
    RunTimeText& operator=(const RunTimeText&) = delete;

    void draw(cairo_t* cr, const std::string& s, double x, double y) const {
        cairo_set_font_face(cr, cairo_face_);
        cairo_set_font_size(cr, 20);
        cairo_move_to(cr, x, y + ascender_);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_show_text(cr, s.c_str());
    }

  private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    cairo_font_face_t* cairo_face_ = nullptr;
    double ascender_ = 0;
};

// The title with the default tables, and with the longest name the tables
// show (64 characters), which runs on across the other panels.
void title_screen(const std::string& assets, const std::string& out, const std::string& player,
                  const std::string& file) {
    cairo_surface_t* title = load(assets + "/titlescreen.png", false);
    cairo_surface_t* pointer = load(assets + "/pointer.png", false);
    RunTimeText text(assets + "/Brasswick.ttf");
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.cr();
    blit(cr, title, 0, 0);
    const char* names[3] = {"K. Tesselk", "J. Orrimund", "Quoraan"};
    const char* values[3] = {"500", "400", "300"};
    const char* enames[3] = {"A. Lumivessa", "P. Pyx", "D. Darrowen"};
    const char* evalues[3] = {"120.00%", "100.00%", "80.00%"};
    for (int i = 0; i < 3; ++i) {
        text.draw(cr, names[i], 48, 290 + 18 * i);
        text.draw(cr, values[i], 128, 290 + 18 * i);
        text.draw(cr, enames[i], 48, 364 + 18 * i);
        text.draw(cr, evalues[i], 128, 364 + 18 * i);
    }
    text.draw(cr, "Your name: " + player, 48, 420);
    text.draw(cr, "Left: Cursor Left", 440, 340);
    text.draw(cr, "Right: Cursor Right", 440, 360);
    text.draw(cr, "Drop: Space", 440, 380);
    text.draw(cr, "version 1.0", 540, 240);
    blit(cr, pointer, 320 - 40, 448);
    canvas.save(out + "/" + file, PngLayout::rgb);
    cairo_surface_destroy(title);
    cairo_surface_destroy(pointer);
}

} // namespace

void make_previews(const std::string& assets_dir, const std::string& chars_dir,
                   const std::string& out_dir) {
    for (const Character& ch : characters()) play_screen(ch, chars_dir, assets_dir, out_dir);
    select_screen(chars_dir, assets_dir, out_dir);
    title_screen(assets_dir, out_dir, "Mira", "preview-title.png");
    title_screen(assets_dir, out_dir,
                 "Wilhelmina Quagmire-Pyx of the Lower Yardenvale, Rune-caster Jr.",
                 "preview-title-long-name.png");
}
