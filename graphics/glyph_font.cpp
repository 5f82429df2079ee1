#include "graphics/glyph_font.h"

#include "graphics/image.h"
#include "graphics/image_frame.h"

#include <cmath>

int TGlyphFont::style() {
    return src_font ? src_font->style() : 0;
}

int TGlyphFont::height() {
    return src_font ? src_font->height() : 16;
}

int TGlyphFont::count_glyphs() {
    return src_font ? src_font->count_glyphs() : static_cast<int>(glyphs.size());
}

int TGlyphFont::char_to_glyph(int code) {
    if (src_font) return src_font->char_to_glyph(code);
    return code >= 32 && code <= 127 ? code - 32 : -1;
}

ImageGlyphRef TGlyphFont::load_glyph(int index) {
    if (index < 0 || index >= static_cast<int>(glyphs.size())) return nullptr;
    if (glyphs[index] || !src_font) return glyphs[index];
    auto glyph = std::make_shared<TImageGlyph>();
    glyphs[index] = glyph;
    GlyphRef source = src_font->load_glyph(index);
    if (!source) return glyph;
    glyph->advance = source->advance();
    source->get_rect(glyph->x, glyph->y, glyph->width, glyph->height);
    // Glyph pictures are never keyed and never centred on their handle.
    if (PixmapRef pixels = source->pixels())
        glyph->image = TImage::load(pixels->copy(), glyph_flags, 0, 0, 0);
    return glyph;
}

void TGlyphFont::draw(std::u16string_view text, float x, float y, float ix, float iy, float jx,
                      float jy) {
    for (char16_t unit : text) {
        ImageGlyphRef glyph = load_glyph(char_to_glyph(unit));
        if (!glyph) continue;
        // Whole-pixel offsets keep the glyph pictures on the pixel grid.
        float dx = std::trunc(glyph->x * ix + glyph->y * iy);
        float dy = std::trunc(glyph->x * jx + glyph->y * jy);
        if (glyph->image) {
            if (ImageFrameRef frame = glyph->image->frame(0))
                frame->draw(0, 0, static_cast<float>(glyph->image->width),
                            static_cast<float>(glyph->image->height), x + dx, y + dy);
        }
        x += glyph->advance * ix;
        y += glyph->advance * jx;
    }
}

FontRef TGlyphFont::load(const std::string& url, int size, int style) {
    FontSourceRef source = load_font_source(url, size, style);
    if (!source) return nullptr;
    auto font = std::make_shared<TGlyphFont>();
    font->src_font = source;
    font->glyphs.resize(static_cast<std::size_t>(std::max(source->count_glyphs(), 0)));
    font->glyph_flags = (style & FONT_SMOOTH) ? IMAGE_FILTERED | IMAGE_MIPMAPPED : 0;
    return font;
}
