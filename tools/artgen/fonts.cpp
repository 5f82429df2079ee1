#include "tools/artgen/fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <stdexcept>

namespace {

struct Loaded {
    FT_Library library = nullptr;
    FT_Face faces[2] = {nullptr, nullptr};
    cairo_font_face_t* cairo_faces[2] = {nullptr, nullptr};
};

Loaded& loaded() {
    static Loaded* fonts = new Loaded;
    return *fonts;
}

} // namespace

void load_fonts(const std::string& folder) {
    Loaded& f = loaded();
    if (f.library) return;
    if (FT_Init_FreeType(&f.library) != 0) throw std::runtime_error("FreeType failed to start");
    const char* names[2] = {"Berenika.ttf", "Berenika-Bold.ttf"};
    for (int i = 0; i < 2; ++i) {
        std::string path = folder + "/" + names[i];
        if (FT_New_Face(f.library, path.c_str(), 0, &f.faces[i]) != 0)
            throw std::runtime_error("cannot open font " + path);
        f.cairo_faces[i] = cairo_ft_font_face_create_for_ft_face(f.faces[i], 0);
    }
}

void select_face(cairo_t* cr, Face face, double size) {
    Loaded& f = loaded();
    if (!f.library) throw std::runtime_error("fonts not loaded");
    cairo_set_font_face(cr, f.cairo_faces[face == Face::bold ? 1 : 0]);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double text_width(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

void text_path(cairo_t* cr, const std::string& text, double x, double baseline, Align align) {
    double w = text_width(cr, text);
    if (align == Align::centre) x -= w / 2;
    if (align == Align::right) x -= w;
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text.c_str());
}
