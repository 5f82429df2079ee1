// The FreeType font loader on any bytes, reached through the stream layer as
// the game opens its embedded font, then text measured and drawn with it so
// that every glyph path (outline, bitmap, empty, missing) runs.
#include "graphics/glyph_font.h"
#include "graphics/text.h"
#include "tests/fuzz/fuzz_input.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_display();
    serve_input(data, size);
    // The size and style the game opens its text font with.
    FontRef font = open_font("fuzz::face.ttf", 20, FONT_SMOOTH);
    if (!font) return 0;
    select_font(font);
    static const std::u16string text = u"Orvessa 0123 AWgjy%.,!? \u00e9\u00df\u4e00\uffff";
    text_width(text);
    // However damaged the face, no glyph picture may grow far beyond the
    // size asked for (here 64 times it): memory must stay bounded.
    for (char16_t unit : text)
        if (ImageGlyphRef glyph = font->load_glyph(font->char_to_glyph(unit)))
            if (glyph->width > 64 * 20 || glyph->height > 64 * 20)
                fuzz_fail("a glyph picture far larger than the font size");
    draw_text(text, 10, 20);
    text_height();
    // The first and last glyphs of the face, whatever characters map to them.
    int count = font->count_glyphs();
    font->load_glyph(0);
    font->load_glyph(count - 1);
    select_font(nullptr);
    return 0;
}
