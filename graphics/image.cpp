#include "graphics/image.h"

#include "graphics/display_internal.h"
#include "graphics/pixmap_loader.h"
#include "graphics/render_driver.h"

ImageFrameRef TImage::frame(int index) {
    if (index < 0 || index >= frame_count()) return nullptr;
    if (made[index].current()) return frames[index];
    made[index].take();
    RenderDriverRef driver = render_driver();
    frames[index] = driver ? driver->create_frame_from_pixmap(lock(index, 1, 0), flags) : nullptr;
    return frames[index];
}

PixmapRef TImage::lock(int index, int, int write) {
    if (index < 0 || index >= frame_count()) return nullptr;
    if (write) {
        made[index].clear();
        frames[index] = nullptr;
    }
    if (!pixmaps[index]) pixmaps[index] = create_pixmap(width, height, FORMAT_RGBA8888, 4);
    return pixmaps[index];
}

void TImage::set_pixmap(int index, PixmapRef pixmap) {
    if (index < 0 || index >= frame_count()) return;
    // Pictures that carry alpha of their own are never keyed.
    if ((flags & IMAGE_MASKED) && pixmap && !format_has_alpha(pixmap->format))
        pixmap = mask_pixmap(pixmap, mask_red, mask_green, mask_blue);
    pixmaps[index] = std::move(pixmap);
    made[index].clear();
    frames[index] = nullptr;
}

ImageRef TImage::create(int width, int height, int frame_count, int flags, int mask_red,
                        int mask_green, int mask_blue) {
    auto image = std::make_shared<TImage>();
    image->width = width;
    image->height = height;
    image->flags = flags;
    image->mask_red = mask_red, image->mask_green = mask_green, image->mask_blue = mask_blue;
    std::size_t count = frame_count > 0 ? static_cast<std::size_t>(frame_count) : 0;
    image->pixmaps.resize(count);
    image->frames.resize(count);
    image->made.assign(count, TDisplayStamp{});
    return image;
}

ImageRef TImage::load(const std::string& url, int flags, int r, int g, int b) {
    return load(load_pixmap(url), flags, r, g, b);
}

ImageRef TImage::load(const PixmapRef& pixmap, int flags, int r, int g, int b) {
    if (!pixmap) return nullptr;
    ImageRef image = create(pixmap->width, pixmap->height, 1, flags, r, g, b);
    image->set_pixmap(0, pixmap);
    return image;
}

ImageRef TImage::load_strip(const std::string& url, int cell_width, int cell_height, int first_cell,
                            int cell_count, int flags, int r, int g, int b) {
    return load_strip(load_pixmap(url), cell_width, cell_height, first_cell, cell_count, flags, r,
                      g, b);
}

ImageRef TImage::load_strip(const PixmapRef& pixmap, int cell_width, int cell_height,
                            int first_cell, int cell_count, int flags, int r, int g, int b) {
    if (!pixmap) return nullptr;
    // Cells must have a size and the asked-for run must exist on the sheet.
    if (cell_width <= 0 || cell_height <= 0 || first_cell < 0 || cell_count < 0) return nullptr;
    int columns = pixmap->width / cell_width, rows = pixmap->height / cell_height;
    if (static_cast<long long>(columns) * rows < static_cast<long long>(first_cell) + cell_count)
        return nullptr;
    ImageRef image = create(cell_width, cell_height, cell_count, flags, r, g, b);
    for (int i = first_cell; i < first_cell + cell_count; ++i) {
        PixmapRef cell = pixmap->window(cell_width * (i % columns), cell_height * (i / columns),
                                        cell_width, cell_height);
        image->set_pixmap(i - first_cell, cell->copy());
    }
    return image;
}
