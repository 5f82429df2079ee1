// The public text functions.
#include "graphics/text.h"

#include "graphics/display_internal.h"
#include "graphics/draw_state.h"
#include "graphics/glyph_font.h"
#include "graphics/text_internal.h"

#include <string>

namespace {

std::u16string widen(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (char c : text) units.push_back(static_cast<unsigned char>(c));
    return units;
}

FontRef current_font() {
    const TDrawState* state = current_draw_state();
    return state ? state->current_font : nullptr;
}

} // namespace

FontRef open_font(const std::string& url, int size, int style) {
    return TGlyphFont::load(url, size, style);
}

void select_font(const FontRef& font) {
    if (TDrawState* state = current_draw_state())
        state->current_font = font ? font : built_in_font();
}

void draw_text(std::u16string_view text, float x, float y) {
    const TDrawState* s = current_draw_state();
    if (!s || !s->current_font) return;
    float hx = s->handle_x, hy = s->handle_y;
    s->current_font->draw(text, x + s->origin_x + hx * s->matrix_ix + hy * s->matrix_iy,
                          y + s->origin_y + hx * s->matrix_jx + hy * s->matrix_jy, s->matrix_ix,
                          s->matrix_iy, s->matrix_jx, s->matrix_jy);
}

void draw_text(std::string_view text, float x, float y) {
    draw_text(widen(text), x, y);
}

int text_width(std::u16string_view text) {
    FontRef font = current_font();
    if (!font) return 0;
    int sum = 0;
    for (char16_t unit : text)
        if (ImageGlyphRef glyph = font->load_glyph(font->char_to_glyph(unit)))
            sum = static_cast<int>(sum + glyph->advance);
    return sum;
}

int text_width(std::string_view text) {
    return text_width(widen(text));
}

int text_height() {
    FontRef font = current_font();
    return font ? font->height() : 0;
}
