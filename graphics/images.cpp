// The public image functions and the image-loading globals.
#include "graphics/images.h"

#include "graphics/display_internal.h"
#include "graphics/draw_state.h"
#include "graphics/image.h"
#include "graphics/image_globals.h"
#include "graphics/render_driver.h"

namespace {

struct ImageGlobals {
    MaskColor mask;
    int auto_flags = 0;
    int auto_mid_handle = 0;
};

ImageGlobals& globals() {
    static auto* values = new ImageGlobals;
    return *values;
}

int resolve_flags(int flags) {
    return flags == -1 ? globals().auto_flags : flags;
}

ImageRef with_auto_handle(ImageRef image) {
    if (image && globals().auto_mid_handle) center_image_handle(image);
    return image;
}

} // namespace

MaskColor mask_color() {
    return globals().mask;
}
int automatic_image_flags() {
    return globals().auto_flags;
}
int automatic_mid_handle() {
    return globals().auto_mid_handle;
}

ImageRef load_image(const std::string& url, int flags) {
    MaskColor m = mask_color();
    return with_auto_handle(TImage::load(url, resolve_flags(flags), m.r, m.g, m.b));
}

ImageRef load_image(const PixmapRef& pixmap, int flags) {
    MaskColor m = mask_color();
    return with_auto_handle(TImage::load(pixmap, resolve_flags(flags), m.r, m.g, m.b));
}

ImageRef load_image_strip(const std::string& url, int cell_width, int cell_height, int first_cell,
                          int cell_count, int flags) {
    MaskColor m = mask_color();
    return with_auto_handle(TImage::load_strip(url, cell_width, cell_height, first_cell, cell_count,
                                               resolve_flags(flags), m.r, m.g, m.b));
}

ImageRef create_image(int width, int height, int frame_count, int flags) {
    MaskColor m = mask_color();
    int resolved = resolve_flags(flags) | IMAGE_DYNAMIC;
    return with_auto_handle(TImage::create(width, height, frame_count, resolved, m.r, m.g, m.b));
}

void capture_image(const ImageRef& image, int x, int y, int frame) {
    RenderDriverRef driver = render_driver();
    if (!image || !driver || frame < 0 || frame >= image->frame_count()) return;
    PixmapRef pixmap = driver->capture_pixmap(x, y, image->width, image->height);
    if (!pixmap) return;
    if (image->flags & IMAGE_MASKED) {
        MaskColor m = mask_color();
        pixmap = mask_pixmap(pixmap, m.r, m.g, m.b);
    }
    image->set_pixmap(frame, pixmap);
}

void draw_image(const ImageRef& image, float x, float y, int frame) {
    // A missing picture draws nothing: the game never checks its loads.
    if (!image) return;
    ImageFrameRef drawable = image->frame(frame);
    if (!drawable) return;
    float ox = 0, oy = 0;
    if (const TDrawState* s = current_draw_state()) ox = s->origin_x, oy = s->origin_y;
    float hx = image->handle_x, hy = image->handle_y;
    drawable->draw(-hx, -hy, -hx + image->width, -hy + image->height, x + ox, y + oy);
}

void set_image_handle(const ImageRef& image, float x, float y) {
    if (image) image->handle_x = x, image->handle_y = y;
}

void center_image_handle(const ImageRef& image) {
    if (image) image->handle_x = image->width * 0.5f, image->handle_y = image->height * 0.5f;
}

int image_width(const ImageRef& image) {
    return image ? image->width : 0;
}
int image_height(const ImageRef& image) {
    return image ? image->height : 0;
}

void set_mask_color(int r, int g, int b) {
    globals().mask = MaskColor{r, g, b};
}

void default_image_flags(int flags) {
    if (flags != -1) globals().auto_flags = flags;
}

void auto_center_handle(int enable) {
    globals().auto_mid_handle = enable;
}
