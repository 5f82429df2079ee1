// Fonts as font loaders make them: glyph shapes and metrics, before they
// become images. TGlyphFont (glyph_font.h) turns them into drawable glyphs.
#pragma once

#include "graphics/pixmap.h"

#include <memory>
#include <string>

// One rasterised glyph.
class TGlyph {
  public:
    virtual ~TGlyph() = default;
    // Coverage as FORMAT_A8, or Null for a glyph without pixels (a space).
    virtual PixmapRef pixels() = 0;
    // Pen advance in pixels.
    virtual float advance() = 0;
    // Top-left of the picture from the pen (y down from the top of the
    // line), and its size.
    virtual void get_rect(int& x, int& y, int& width, int& height) = 0;
};

using GlyphRef = std::shared_ptr<TGlyph>;

class TFont {
  public:
    virtual ~TFont() = default;
    virtual int style() = 0;
    virtual int height() = 0;
    virtual int count_glyphs() = 0;
    // The glyph index of a character code, -1 when the font has none.
    virtual int char_to_glyph(int code) = 0;
    // Null for an index out of range.
    virtual GlyphRef load_glyph(int index) = 0;
};

using FontSourceRef = std::shared_ptr<TFont>;

class TFontDecoder {
  public:
    virtual ~TFontDecoder() = default;
    // The font at a pixel size, or Null when this loader cannot read it.
    virtual FontSourceRef load_font(const std::string& url, int size, int style) = 0;
};

// Puts a loader at the head of the list: the newest is asked first.
void register_font_decoder(std::shared_ptr<TFontDecoder> decoder);

// The first font any loader makes of the url, or Null.
FontSourceRef load_font_source(const std::string& url, int size, int style);
