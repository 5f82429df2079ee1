// Small pictures drawn texel for pixel, gathered into a few large textures.
//
// A software rasteriser copies its whole drawing state for every texture
// switch, and that copy, not the pixels, is most of what a board of 67
// runes or a line of text costs when every picture has a texture of its
// own. Drawn texel for pixel, a picture samples only its own texels' centres
// wherever it lies, so it can be drawn from a shared texture with exactly
// the same result; every other draw still uses the picture's own texture.
#pragma once

#include "graphics/display_internal.h"
#include "graphics/pixmap.h"

#include <vector>

struct AtlasSlot {
    unsigned texture = 0; // the page's texture; 0 for no slot
    int page_size = 0;    // its side in texels
    int page = -1;
    int cell = -1;
    int x = 0, y = 0; // the picture's top-left texel on the page
};

class TGLRenderDriver;

class TGLAtlas {
  public:
    // Pictures larger than this in either direction get no slot.
    static constexpr int largest = 128;
    // A page holds 64 cells of up to 32 texels (a font's letters fit on one
    // or two) and 16 of the larger ones (a rune sheet, the faces of a screen).
    static constexpr int page_size(int cell_size) {
        return cell_size <= 32 ? cell_size * 8 : cell_size * 4;
    }

    static bool fits(int width, int height) {
        return width > 0 && height > 0 && width <= largest && height <= largest;
    }

    // Copies a picture into a free cell of a page of its size class, making
    // a page when none has room. A slot without a texture when it cannot be
    // placed.
    AtlasSlot place(TGLRenderDriver& driver, const PixmapRef& pixels);
    // Gives the cell back; a page left empty is deleted.
    void release(TGLRenderDriver& driver, const AtlasSlot& slot);

  private:
    struct Page {
        unsigned texture = 0; // 0 once deleted
        int cell_size = 0;
        std::vector<int> free_cells;
        int used = 0;
    };
    int page_with_room(TGLRenderDriver& driver, int cell_size);

    // The pages of an earlier opening of the display went with it.
    TDisplayStamp made_;
    std::vector<Page> pages_;
};
