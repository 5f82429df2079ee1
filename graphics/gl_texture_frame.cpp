#include "graphics/gl_texture_frame.h"

#include "graphics/display_internal.h"
#include "graphics/gl_api.h"
#include "graphics/gl_display_driver.h"
#include "graphics/gl_render_driver.h"
#include "graphics/images.h"
#include "system/runtime_error.h"

#include <cmath>

namespace {

int power_of_two_at_least(int n) {
    int p = 1;
    while (p < n && p < (1 << 30)) p <<= 1;
    return p;
}

bool texture_size_accepted(int width, int height) {
    if (gl_webgl()) { // no proxy textures: the largest side it takes
        GLint largest = 0;
        gl().GetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
        return width <= largest && height <= largest;
    }
    gl().TexImage2D(GL_PROXY_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                    nullptr);
    GLint accepted = 0;
    gl().GetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &accepted);
    return accepted != 0;
}

// The texture's pixels: the frame at the top-left, its last column and row
// repeated once beside and below it so that filtering at the frame's edge
// never reaches the undefined rest of the texture.
PixmapRef padded(const PixmapRef& frame, int tex_width, int tex_height) {
    int w = frame->width, h = frame->height;
    if (w == tex_width && h == tex_height) {
        return frame->format == FORMAT_RGBA8888 ? frame : frame->convert(FORMAT_RGBA8888);
    }
    PixmapRef texture = create_pixmap(tex_width, tex_height, FORMAT_RGBA8888, 4);
    texture->paste(frame, 0, 0);
    if (w < tex_width) texture->paste(frame->window(w - 1, 0, 1, h), w, 0);
    if (h < tex_height) texture->paste(frame->window(0, h - 1, w, 1), 0, h);
    if (w < tex_width && h < tex_height) texture->paste(frame->window(w - 1, h - 1, 1, 1), w, h);
    return texture;
}

bool all_opaque(const PixmapRef& frame) {
    if (!format_has_alpha(frame->format)) return true;
    for (int y = 0; y < frame->height; ++y) {
        if (frame->format != FORMAT_RGBA8888) {
            for (int x = 0; x < frame->width; ++x)
                if (frame->read_pixel(x, y) >> 24 != 255) return false;
            continue;
        }
        const std::uint8_t* pixel = frame->pixel_ptr(0, y);
        for (int x = 0; x < frame->width; ++x, pixel += 4)
            if (pixel[3] != 255) return false;
    }
    return true;
}

// Whether the quad puts one texel exactly on one pixel: no rotation or
// scale and a whole-pixel position. Bilinear filtering then samples texel
// centres only and gives exactly what nearest sampling gives.
bool one_to_one(const TGLTextureFrame& frame, const TGLRenderDriver& driver, float x0, float y0,
                float x1, float y1, float tx, float ty) {
    float ix, iy, jx, jy;
    driver.matrix(ix, iy, jx, jy);
    if (ix != 1.0f || iy != 0.0f || jx != 0.0f || jy != 1.0f) return false;
    if (x1 - x0 != static_cast<float>(frame.width) || y1 - y0 != static_cast<float>(frame.height))
        return false;
    float left = x0 + tx, top = y0 + ty;
    return left == std::floor(left) && top == std::floor(top);
}

// RGBA pixels into the bound texture at (x, y) of a level; OpenGL turns
// them into the texture's own byte order.
void upload(const PixmapRef& pixels, int level, int x = 0, int y = 0) {
    if (gl_webgl()) {
        // WebGL takes rows only as they follow one another: a window of a
        // wider picture is sent as a copy of its own.
        PixmapRef rgba = pixels;
        if (pixels->pitch != pixels->width * 4) {
            rgba = create_pixmap(pixels->width, pixels->height, FORMAT_RGBA8888, 4);
            rgba->paste(pixels, 0, 0);
        }
        gl().TexSubImage2D(GL_TEXTURE_2D, level, x, y, rgba->width, rgba->height, GL_RGBA,
                           GL_UNSIGNED_BYTE, rgba->pixels);
        return;
    }
    gl().PixelStorei(GL_UNPACK_ROW_LENGTH, pixels->pitch / 4);
    gl().TexSubImage2D(GL_TEXTURE_2D, level, x, y, pixels->width, pixels->height, GL_RGBA,
                       GL_UNSIGNED_BYTE, pixels->pixels);
    gl().PixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

// Level 0 as padded() has it, but sent straight from the frame, its last
// column and row once more beside and below it: no texture-sized copy of a
// full-screen picture is made just to be sent.
void upload_padded(const PixmapRef& frame, int tex_width, int tex_height) {
    PixmapRef rgba = frame->format == FORMAT_RGBA8888 ? frame : frame->convert(FORMAT_RGBA8888);
    const int w = rgba->width, h = rgba->height;
    upload(rgba, 0);
    if (w < tex_width) upload(rgba->window(w - 1, 0, 1, h), 0, w, 0);
    if (h < tex_height) upload(rgba->window(0, h - 1, w, 1), 0, 0, h);
    if (w < tex_width && h < tex_height) upload(rgba->window(w - 1, h - 1, 1, 1), 0, w, h);
}

} // namespace

ImageFrameRef TGLRenderDriver::create_frame_from_pixmap(const PixmapRef& pixmap, int image_flags) {
    // Textures live in a display's context: none without one.
    if (!has_display() || !pixmap || pixmap->width <= 0 || pixmap->height <= 0) return nullptr;

    int tex_width = power_of_two_at_least(pixmap->width);
    int tex_height = power_of_two_at_least(pixmap->height);
    while (!texture_size_accepted(tex_width, tex_height)) {
        if (tex_width == 1 && tex_height == 1) raise_runtime_error("Unable to calculate tex size");
        if (tex_width > 1) tex_width /= 2;
        if (tex_height > 1) tex_height /= 2;
    }
    int frame_width = std::min(pixmap->width, tex_width);
    int frame_height = std::min(pixmap->height, tex_height);
    PixmapRef frame = pixmap;
    if (frame_width < pixmap->width || frame_height < pixmap->height)
        frame = resize_pixmap(pixmap, frame_width, frame_height);
    auto result = std::make_shared<TGLTextureFrame>(weak_from_this());
    result->pixels = frame;
    result->width = frame_width;
    result->height = frame_height;
    result->tex_width = tex_width;
    result->tex_height = tex_height;
    result->filtered = (image_flags & IMAGE_FILTERED) != 0;
    result->mipmapped = (image_flags & IMAGE_MIPMAPPED) != 0;
    // Minified through its mipmaps, a picture smaller than its texture takes
    // in the texture's empty margin at its edges: opaque only when it fills
    // the texture.
    bool fills_texture = frame_width == tex_width && frame_height == tex_height;
    result->opaque = all_opaque(frame) && (!result->mipmapped || fills_texture);
    result->u_right = static_cast<float>(frame_width) / tex_width;
    result->v_bottom = static_cast<float>(frame_height) / tex_height;
    result->made.take();
    // A small picture drawn only texel for pixel (a rune, a digit, a letter)
    // comes from a shared texture and never needs one of its own.
    if (!(shortcuts() && TGLAtlas::fits(frame_width, frame_height))) result->make_texture(*this);
    return result;
}

void TGLTextureFrame::make_texture(TGLRenderDriver& driver) {
    if (texture) return;
    texture = driver.make_texture();
    if (!texture) return;
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                       mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST);
    // The same texels either way; an unsized format given BGRA data is stored
    // as BGRA, the order llvmpipe's fast paths read. WebGL knows no sized
    // formats.
    const bool bgra = driver.store_bgra();
    int level = 0;
    for (int w = tex_width, h = tex_height;; ++level) {
        gl().TexImage2D(GL_TEXTURE_2D, level, bgra || gl_webgl() ? GL_RGBA : GL_RGBA8, w, h, 0,
                        bgra ? GL_BGRA : GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        if (!mipmapped || (w == 1 && h == 1)) break;
        w = w > 1 ? w / 2 : 1;
        h = h > 1 ? h / 2 : 1;
    }
    if (!mipmapped) {
        upload_padded(pixels, tex_width, tex_height);
        return;
    }
    // Each level is made from the whole padded level above it.
    PixmapRef level_pixels = padded(pixels, tex_width, tex_height);
    upload(level_pixels, 0);
    for (int l = 1; l <= level; ++l) {
        level_pixels =
            resize_pixmap(level_pixels, level_pixels->width > 1 ? level_pixels->width / 2 : 1,
                          level_pixels->height > 1 ? level_pixels->height / 2 : 1);
        upload(level_pixels, l);
    }
}

TGLTextureFrame::~TGLTextureFrame() {
    // A texture made for an earlier opening of the display went with its
    // context; only one made for the current display is still there.
    auto driver = driver_.lock();
    if (!made.current() || !driver || !driver->has_display()) return;
    driver->atlas().release(*driver, atlas_slot);
    if (texture) driver->delete_texture(texture);
}

bool TGLTextureFrame::draw_from_atlas(TGLRenderDriver& driver, float x0, float y0, float tx,
                                      float ty) {
    if (!placed_ && TGLAtlas::fits(width, height)) {
        placed_ = true; // placed, or no room: asked once
        atlas_slot = driver.atlas().place(driver, pixels);
    }
    if (!atlas_slot.texture) return false;
    driver.settle_clear();
    driver.bind_texture(atlas_slot.texture);
    driver.enable_texturing(true);
    driver.combine_texels_for_color();
    driver.blend_source(opaque);
    const float page = static_cast<float>(atlas_slot.page_size);
    const float left = static_cast<float>(atlas_slot.x) / page;
    const float top = static_cast<float>(atlas_slot.y) / page;
    const float right = static_cast<float>(atlas_slot.x + width) / page;
    const float bottom = static_cast<float>(atlas_slot.y + height) / page;
    const float x1 = x0 + static_cast<float>(width), y1 = y0 + static_cast<float>(height);
    gl().Begin(GL_QUADS);
    gl().TexCoord2f(left, top);
    driver.vertex(x0, y0, tx, ty);
    gl().TexCoord2f(right, top);
    driver.vertex(x1, y0, tx, ty);
    gl().TexCoord2f(right, bottom);
    driver.vertex(x1, y1, tx, ty);
    gl().TexCoord2f(left, bottom);
    driver.vertex(x0, y1, tx, ty);
    gl().End();
    return true;
}

void TGLTextureFrame::draw(float x0, float y0, float x1, float y1, float tx, float ty) {
    auto driver = driver_.lock();
    // A stale texture's name may now belong to another texture, or to none.
    if (!driver || !driver->has_display() || !made.current()) return;
    if (driver->shortcuts() && one_to_one(*this, *driver, x0, y0, x1, y1, tx, ty)) {
        const int left = static_cast<int>(x0 + tx), top = static_cast<int>(y0 + ty);
        if (opaque && width * height >= 65536 &&
            driver->draw_would_copy(left, top, width, height) && texture &&
            driver->copy_texels(texture, left, top, width, height))
            return;
        if (draw_from_atlas(*driver, x0, y0, tx, ty)) return;
    }
    make_texture(*driver);
    driver->settle_clear();
    driver->bind_texture(texture);
    driver->enable_texturing(true);
    driver->combine_texels_for_color();
    // A filtered texture drawn texel for pixel samples only texel centres,
    // as nearest sampling does, which the software rasteriser does cheaper.
    if (filtered) {
        bool nearest = driver->shortcuts() && one_to_one(*this, *driver, x0, y0, x1, y1, tx, ty);
        if (nearest != nearest_now_) {
            nearest_now_ = nearest;
            gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                               nearest ? GL_NEAREST : GL_LINEAR);
        }
    }
    driver->blend_source(opaque);
    gl().Begin(GL_QUADS);
    gl().TexCoord2f(u_left, v_top);
    driver->vertex(x0, y0, tx, ty);
    gl().TexCoord2f(u_right, v_top);
    driver->vertex(x1, y0, tx, ty);
    gl().TexCoord2f(u_right, v_bottom);
    driver->vertex(x1, y1, tx, ty);
    gl().TexCoord2f(u_left, v_bottom);
    driver->vertex(x0, y1, tx, ty);
    gl().End();
}
