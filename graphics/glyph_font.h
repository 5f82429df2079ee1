// The font that text is drawn with: glyphs as one-frame images.
#pragma once

#include "graphics/font_source.h"
#include "graphics/images.h"
#include "graphics/text.h"

#include <string_view>
#include <vector>

// One glyph ready to draw.
class TImageGlyph {
  public:
    ImageRef image; // Null for a glyph without pixels
    float advance = 0.0f;
    int x = 0, y = 0; // picture's top-left from the pen, y down from the line's top
    int width = 0, height = 0;
};

using ImageGlyphRef = std::shared_ptr<TImageGlyph>;

class TGlyphFont {
  public:
    FontSourceRef src_font;            // Null for the built-in font
    std::vector<ImageGlyphRef> glyphs; // per glyph index; made on first use
    int glyph_flags = 0;               // image flags of the glyph images

    virtual ~TGlyphFont() = default;

    virtual int style();
    virtual int height();
    virtual int count_glyphs();
    // -1 for a code the font has no glyph for.
    virtual int char_to_glyph(int code);
    // Null for an index out of range.
    virtual ImageGlyphRef load_glyph(int index);
    // Draws each code unit's glyph from the pen at (x, y), stepping the pen
    // along the matrix's x axis.
    virtual void draw(std::u16string_view text, float x, float y, float ix, float iy, float jx,
                      float jy);

    static FontRef load(const std::string& url, int size, int style);
    // The built-in 8 x 16 font from the embedded "plinthfont.bin".
    static FontRef create_default();
};
