// TrueType (and any other FreeType-readable) fonts at a pixel size.
#pragma once

#include "graphics/font_source.h"

#include <vector>

struct FT_FaceRec_;

class TFreeTypeGlyph : public TGlyph {
  public:
    PixmapRef pixmap; // FORMAT_A8 coverage, or Null
    float advance_x = 0;
    int x = 0, y = 0, width = 0, height = 0;

    PixmapRef pixels() override { return pixmap; }
    float advance() override { return advance_x; }
    void get_rect(int& out_x, int& out_y, int& out_width, int& out_height) override {
        out_x = x, out_y = y, out_width = width, out_height = height;
    }
};

class TFreeTypeFace : public TFont {
  public:
    FT_FaceRec_* face = nullptr;                  // opened and sized
    int font_style = 0;                           // as asked for; reported, nothing more
    int pixel_size = 0;                           // the size FreeType accepted
    int line_height = 0, ascend = 0, descend = 0; // whole pixels
    std::vector<std::shared_ptr<TFreeTypeGlyph>> glyphs;
    std::vector<unsigned char> buffer; // the file, for a face read from memory

    TFreeTypeFace() = default;
    ~TFreeTypeFace() override;
    TFreeTypeFace(const TFreeTypeFace&) = delete;
    TFreeTypeFace& operator=(const TFreeTypeFace&) = delete;

    int style() override { return font_style; }
    int height() override { return line_height; }
    int count_glyphs() override { return static_cast<int>(glyphs.size()); }
    // The face's index for the code, minus 1: the missing-glyph entry is -1.
    int char_to_glyph(int code) override;
    GlyphRef load_glyph(int index) override;
};

class TFreeTypeDecoder : public TFontDecoder {
  public:
    // A url with "::" past its start ("incbin::name") is read into memory
    // through the streams; anything else is opened as a file path. When
    // FreeType refuses the size, smaller ones are tried down to 1.
    FontSourceRef load_font(const std::string& url, int size, int style) override;
};
