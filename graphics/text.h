// Text: the built-in 8 x 16 font and TrueType fonts.
//
// Text is a sequence of character codes; std::string carries one code 0..255
// per byte (Latin-1), std::u16string one 16-bit code per unit.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class TGlyphFont;
using FontRef = std::shared_ptr<TGlyphFont>;

enum FontStyle : int {
    FONT_SMOOTH = 4, // filtered, mipmapped glyphs
};

// Loads a font at a pixel size; "incbin::name" reads embedded data. Null when
// the file cannot be read or holds no font.
FontRef open_font(const std::string& url, int size, int style);

// Null selects the built-in font.
void select_font(const FontRef& font);

// Draws text with its top-left at (x, y) in the current font and drawing state.
void draw_text(std::string_view text, float x, float y);
void draw_text(std::u16string_view text, float x, float y);

int text_width(std::string_view text);
int text_width(std::u16string_view text);
int text_height();
