#include "graphics/gl_atlas.h"

#include "graphics/display_internal.h"
#include "graphics/gl_api.h"
#include "graphics/gl_render_driver.h"

namespace {

// Cells are squares of a power of two, at least 16 texels a side, so that a
// page holds a grid of one size and a freed cell fits any picture of its class.
int cell_size_for(int width, int height) {
    int side = 16;
    while (side < width || side < height) side *= 2;
    return side;
}

} // namespace

int TGLAtlas::page_with_room(TGLRenderDriver& driver, int cell_size) {
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i].texture && pages_[i].cell_size == cell_size && !pages_[i].free_cells.empty())
            return static_cast<int>(i);
    Page page;
    page.texture = driver.make_texture();
    if (!page.texture) return -1;
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    const int side = page_size(cell_size);
    // Stored as BGRA, the order llvmpipe's fast paths read (pages exist
    // only while the shortcuts are on).
    gl().TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, side, side, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    page.cell_size = cell_size;
    const int cells = (side / cell_size) * (side / cell_size);
    // Handed out from the top-left, so a page fills row by row.
    for (int cell = cells - 1; cell >= 0; --cell) page.free_cells.push_back(cell);
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (!pages_[i].texture) {
            pages_[i] = std::move(page);
            return static_cast<int>(i);
        }
    }
    pages_.push_back(std::move(page));
    return static_cast<int>(pages_.size()) - 1;
}

AtlasSlot TGLAtlas::place(TGLRenderDriver& driver, const PixmapRef& pixels) {
    AtlasSlot slot;
    if (!made_.current()) {
        pages_.clear();
        made_.take();
    }
    if (!pixels || !fits(pixels->width, pixels->height)) return slot;
    const int cell_size = cell_size_for(pixels->width, pixels->height);
    const int index = page_with_room(driver, cell_size);
    if (index < 0) return slot;
    Page& page = pages_[static_cast<std::size_t>(index)];
    slot.cell = page.free_cells.back();
    page.free_cells.pop_back();
    ++page.used;
    slot.page_size = page_size(cell_size);
    const int per_row = slot.page_size / cell_size;
    slot.texture = page.texture;
    slot.page = index;
    slot.x = slot.cell % per_row * cell_size;
    slot.y = slot.cell / per_row * cell_size;
    driver.bind_texture(page.texture);
    PixmapRef rgba = pixels->format == FORMAT_RGBA8888 ? pixels : pixels->convert(FORMAT_RGBA8888);
    gl().PixelStorei(GL_UNPACK_ROW_LENGTH, rgba->pitch / 4);
    gl().TexSubImage2D(GL_TEXTURE_2D, 0, slot.x, slot.y, rgba->width, rgba->height, GL_RGBA,
                       GL_UNSIGNED_BYTE, rgba->pixels);
    gl().PixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    return slot;
}

void TGLAtlas::release(TGLRenderDriver& driver, const AtlasSlot& slot) {
    if (!made_.current() || !slot.texture || slot.page < 0 ||
        slot.page >= static_cast<int>(pages_.size()))
        return;
    Page& page = pages_[static_cast<std::size_t>(slot.page)];
    if (page.texture != slot.texture) return;
    page.free_cells.push_back(slot.cell);
    if (--page.used > 0) return;
    driver.delete_texture(page.texture);
    page = Page{};
}
