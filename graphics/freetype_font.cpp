#include "graphics/freetype_font.h"

#include "system/runtime_error.h"
#include "system/streams.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

namespace {

// One library instance serves every font; it lives for the whole run.
FT_Library library() {
    static FT_Library instance = [] {
        FT_Library made = nullptr;
        if (FT_Init_FreeType(&made) != 0) made = nullptr;
        return made;
    }();
    return instance;
}

// Row r from the top of a FreeType bitmap, whatever the direction of its pitch.
const unsigned char* bitmap_row(const FT_Bitmap& bitmap, int r) {
    int pitch = bitmap.pitch;
    if (pitch >= 0) return bitmap.buffer + static_cast<std::ptrdiff_t>(r) * pitch;
    return bitmap.buffer + static_cast<std::ptrdiff_t>(bitmap.rows - 1 - r) * -pitch;
}

PixmapRef coverage(const FT_Bitmap& bitmap) {
    int w = static_cast<int>(bitmap.width), h = static_cast<int>(bitmap.rows);
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
        return nullptr;
    // A damaged bitmap font can give a glyph a size but no pixels (a BDF
    // character without its BITMAP rows): such a glyph has no picture.
    int row_bytes = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY ? w : (w + 7) / 8;
    if (!bitmap.buffer || std::abs(bitmap.pitch) < row_bytes) return nullptr;
    PixmapRef pixmap = create_pixmap(w, h, FORMAT_A8, 4);
    for (int r = 0; r < h; ++r) {
        const unsigned char* in = bitmap_row(bitmap, r);
        std::uint8_t* out = pixmap->pixel_ptr(0, r);
        if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            std::memcpy(out, in, static_cast<std::size_t>(w));
        } else {
            // One bit a pixel, the leftmost in bit 7.
            for (int x = 0; x < w; ++x) out[x] = (in[x / 8] >> (7 - x % 8) & 1) ? 255 : 0;
        }
    }
    return pixmap;
}

} // namespace

TFreeTypeFace::~TFreeTypeFace() {
    if (face) FT_Done_Face(face);
}

int TFreeTypeFace::char_to_glyph(int code) {
    if (code < 0) return -1;
    return static_cast<int>(FT_Get_Char_Index(face, static_cast<FT_ULong>(code))) - 1;
}

GlyphRef TFreeTypeFace::load_glyph(int index) {
    if (index < 0 || index >= count_glyphs()) return nullptr;
    if (glyphs[index]) return glyphs[index];
    auto glyph = std::make_shared<TFreeTypeGlyph>();
    glyphs[index] = glyph;
    // A glyph FreeType cannot load stays empty: drawn as nothing, no advance.
    // So does one far larger than the size asked for: a damaged face can
    // scale a glyph to thousands of pixels a side, and rendering that takes
    // gigabytes. Hence the shape first, and the pixels only when it fits.
    if (FT_Load_Glyph(face, static_cast<FT_UInt>(index + 1), FT_LOAD_DEFAULT) != 0) return glyph;
    FT_GlyphSlot slot = face->glyph;
    const long largest = 16L * std::max(pixel_size, 16);
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_BBox box;
        FT_Outline_Get_CBox(&slot->outline, &box);
        if ((box.xMax - box.xMin) >> 6 > largest || (box.yMax - box.yMin) >> 6 > largest)
            return glyph;
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return glyph;
    if (slot->bitmap.width > static_cast<unsigned>(largest) ||
        slot->bitmap.rows > static_cast<unsigned>(largest))
        return glyph;
    glyph->x = slot->bitmap_left;
    glyph->y = ascend - slot->bitmap_top;
    glyph->width = static_cast<int>(slot->bitmap.width);
    glyph->height = static_cast<int>(slot->bitmap.rows);
    glyph->advance_x = static_cast<float>(slot->advance.x >> 6);
    if (glyph->width > 0 && glyph->height > 0) glyph->pixmap = coverage(slot->bitmap);
    return glyph;
}

FontSourceRef TFreeTypeDecoder::load_font(const std::string& url, int size, int style) {
    if (url.empty() || !library()) return nullptr;
    auto font = std::make_shared<TFreeTypeFace>();
    FT_Face face = nullptr;
    std::size_t protocol = url.find("::");
    if (protocol != std::string::npos && protocol > 0) {
        std::string bytes;
        try {
            bytes = read_all(open_read_stream(url));
        } catch (const TStreamError&) {
            return nullptr;
        }
        if (bytes.empty()) return nullptr;
        font->buffer.assign(bytes.begin(), bytes.end());
        if (FT_New_Memory_Face(library(), font->buffer.data(),
                               static_cast<FT_Long>(font->buffer.size()), 0, &face) != 0)
            return nullptr;
    } else if (FT_New_Face(library(), url.c_str(), 0, &face) != 0) {
        return nullptr;
    }
    font->face = face; // closed with the font from here on
    // No size at all asks for the smallest there is, as FreeType takes a
    // pixel height of 0: one pixel.
    int accepted = std::max(size, 1);
    while (accepted >= 1 && FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(accepted)) != 0)
        --accepted;
    if (accepted < 1) return nullptr;
    font->pixel_size = accepted;
    font->font_style = style;
    font->line_height = static_cast<int>(face->size->metrics.height >> 6);
    font->ascend = static_cast<int>(face->size->metrics.ascender >> 6);
    font->descend = static_cast<int>(face->size->metrics.descender >> 6);
    font->glyphs.resize(static_cast<std::size_t>(face->num_glyphs > 0 ? face->num_glyphs : 0));
    return font;
}
