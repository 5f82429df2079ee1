#include "graphics/gl_render_driver.h"

#include "graphics/draw_state.h"
#include "graphics/gl_api.h"
#include "graphics/gl_display_driver.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

unsigned char channel(int value) {
    return static_cast<unsigned char>(std::clamp(value, 0, 255));
}

// WebGL has no polygons; a convex one is the same fan of triangles.
GLenum polygon() {
    return gl_webgl() ? GL_TRIANGLE_FAN : GL_POLYGON;
}

} // namespace

std::vector<TGraphicsMode> TGLRenderDriver::display_modes() {
    return TGLDisplayDriver::instance().display_modes();
}

DrawStateRef TGLRenderDriver::attach_display(void*, int) {
    // Drawing into a window some other program made is not supported.
    return nullptr;
}

DrawStateRef TGLRenderDriver::create_display(int width, int height, int depth, int hz, int flags) {
    auto graphics =
        TGLDisplayDriver::instance().create_graphics(width, height, depth, hz, flags, state_);
    if (!graphics) return nullptr;
    // The shortcuts rest on what WebGL lacks (blits, BGRA textures, row lengths).
    if (gl_webgl()) shortcuts_ = false;
    return std::make_shared<TDrawState>(graphics, shared_from_this());
}

void TGLRenderDriver::select_display(const DrawStateRef& display) {
    // A clear held for the display being left belongs to its frame.
    if (display_ && TGLDisplayDriver::instance().current() == display_) settle_clear();
    auto graphics = display ? std::dynamic_pointer_cast<TGLGraphics>(display->graphics) : nullptr;
    TGLDisplayDriver::instance().make_current(graphics.get());
    display_ = TGLDisplayDriver::instance().current();
    if (!display_) return;
    GraphicsSettings settings = display_->get_settings();
    width_ = settings.width;
    height_ = settings.height;
    blend_ = 0;
    clear_pending_ = false;
    // Drawing goes to the picture the display shows (its own framebuffer
    // object when the compositor scales it), laid out as a window's.
    state_.reset(display_->picture_framebuffer());
    // One unit is one pixel, y grows downward.
    gl().MatrixMode(GL_PROJECTION);
    gl().LoadIdentity();
    gl().Ortho(0, width_, height_, 0, -1, 1);
    gl().MatrixMode(GL_MODELVIEW);
    gl().Viewport(0, 0, width_, height_);
}

void TGLRenderDriver::present_frame(int sync) {
    if (!display_) return;
    settle_clear();
    if (!gl_webgl()) return TGLDisplayDriver::instance().flip(sync, state_);
    // The picture is drawn into the window (no blits): copied, as in the
    // solid mode, whatever mode the game is drawing in.
    const int mode = blend_;
    set_blend(BLEND_SOLID);
    TGLDisplayDriver::instance().flip(sync, state_);
    set_blend(mode);
}

void TGLRenderDriver::set_blend(int mode) {
    if (!display_ || mode == blend_) return;
    blend_ = mode;
    switch (mode) {
    case BLEND_MASK:
        state_.enable_blending(false);
        gl().Enable(GL_ALPHA_TEST);
        gl().AlphaFunc(GL_GEQUAL, 0.5f);
        break;
    case BLEND_ALPHA:
        state_.enable_blending(true);
        gl().BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        gl().Disable(GL_ALPHA_TEST);
        break;
    case BLEND_LIGHT:
        state_.enable_blending(true);
        gl().BlendFunc(GL_SRC_ALPHA, GL_ONE);
        gl().Disable(GL_ALPHA_TEST);
        break;
    case BLEND_SHADE:
        state_.enable_blending(true);
        gl().BlendFunc(GL_DST_COLOR, GL_ZERO);
        gl().Disable(GL_ALPHA_TEST);
        break;
    default: // solid
        state_.enable_blending(false);
        gl().Disable(GL_ALPHA_TEST);
        break;
    }
}

void TGLRenderDriver::set_alpha(float alpha) {
    if (!(alpha >= 0.0f)) alpha = 0.0f; // also catches NaN
    if (alpha > 1.0f) alpha = 1.0f;
    color_[3] = static_cast<unsigned char>(alpha * 255);
    if (display_) gl().Color4ubv(color_);
}

void TGLRenderDriver::set_color(int r, int g, int b) {
    color_[0] = channel(r), color_[1] = channel(g), color_[2] = channel(b);
    if (display_) gl().Color4ubv(color_);
}

void TGLRenderDriver::set_clear_color(int r, int g, int b) {
    settle_clear();
    if (display_)
        gl().ClearColor(channel(r) / 255.0f, channel(g) / 255.0f, channel(b) / 255.0f, 1.0f);
}

void TGLRenderDriver::set_viewport(int x, int y, int width, int height) {
    if (!display_) return;
    settle_clear(); // a held clear covers the clip rectangle it was asked under
    const bool whole = x == 0 && y == 0 && width == width_ && height == height_;
    state_.set_clip({!whole, x, gl_row(y, height), width, height});
}

void TGLRenderDriver::set_transform(float ix, float iy, float jx, float jy) {
    ix_ = ix, iy_ = iy, jx_ = jx, jy_ = jy;
}

void TGLRenderDriver::set_line_width(float width) {
    line_width_ = width;
    if (display_) gl().LineWidth(width);
}

void TGLRenderDriver::clear_frame() {
    if (!display_) return;
    // A picture that covers the whole frame may come next and make the
    // clear pointless: it is held until something else is drawn.
    if (shortcuts_)
        clear_pending_ = true;
    else
        gl().Clear(GL_COLOR_BUFFER_BIT);
}

void TGLRenderDriver::vertex(float x, float y, float tx, float ty) const {
    gl().Vertex2f(x * ix_ + y * iy_ + tx, x * jx_ + y * jy_ + ty);
}

void TGLRenderDriver::plot(float x, float y) {
    if (!display_) return;
    prepare_untextured();
    gl().Begin(GL_POINTS);
    gl().Vertex2f(x + 0.5f, y + 0.5f);
    gl().End();
}

void TGLRenderDriver::draw_line(float x0, float y0, float x1, float y1, float tx, float ty) {
    if (!display_) return;
    prepare_untextured();
    if (gl_webgl() && line_width_ > 1) {
        draw_wide_line(x0 * ix_ + y0 * iy_ + tx + 0.5f, x0 * jx_ + y0 * jy_ + ty + 0.5f,
                       x1 * ix_ + y1 * iy_ + tx + 0.5f, x1 * jx_ + y1 * jy_ + ty + 0.5f);
        return;
    }
    // Pixel centres, so that lines cover the pixels they name.
    gl().Begin(GL_LINES);
    vertex(x0, y0, tx + 0.5f, ty + 0.5f);
    vertex(x1, y1, tx + 0.5f, ty + 0.5f);
    gl().End();
}

void TGLRenderDriver::draw_rect(float x0, float y0, float x1, float y1, float tx, float ty) {
    if (!display_) return;
    prepare_untextured();
    gl().Begin(GL_QUADS);
    vertex(x0, y0, tx, ty);
    vertex(x1, y0, tx, ty);
    vertex(x1, y1, tx, ty);
    vertex(x0, y1, tx, ty);
    gl().End();
}

void TGLRenderDriver::draw_oval(float x0, float y0, float x1, float y1, float tx, float ty) {
    if (!display_) return;
    prepare_untextured();
    float xr = (x1 - x0) * 0.5f, yr = (y1 - y0) * 0.5f;
    float cx = x0 + xr, cy = y0 + yr;
    // An oval of no finite size or place has no shape to draw.
    if (!std::isfinite(cx + tx) || !std::isfinite(cy + ty) || !std::isfinite(xr) ||
        !std::isfinite(yr))
        return;
    // One vertex a pixel of radius, at least 12, a multiple of 4; beyond a
    // few thousand more vertices would make no visible difference.
    const float most_vertices = 4096;
    int n = static_cast<int>(std::min(std::fabs(xr) + std::fabs(yr), most_vertices));
    n = std::max(n, 12) & ~3;
    gl().Begin(polygon());
    for (int i = 0; i < n; ++i) {
        double a = i * 360.0f / n * 0.017453292519943295;
        vertex(cx + xr * static_cast<float>(std::cos(a)), cy - yr * static_cast<float>(std::sin(a)),
               tx, ty);
    }
    gl().End();
}

void TGLRenderDriver::draw_poly(std::span<const float> xy, float handle_x, float handle_y,
                                float origin_x, float origin_y) {
    if (!display_ || xy.size() < 6 || xy.size() % 2 != 0) return;
    prepare_untextured();
    gl().Begin(polygon());
    for (std::size_t i = 0; i < xy.size(); i += 2)
        vertex(xy[i] + handle_x, xy[i + 1] + handle_y, origin_x, origin_y);
    gl().End();
}

void TGLRenderDriver::draw_pixmap(const PixmapRef& pixmap, int x, int y) {
    if (!display_ || !pixmap || pixmap->width <= 0 || pixmap->height <= 0) return;
    settle_clear();
    PixmapRef rgba = pixmap->convert(FORMAT_RGBA8888);
    int previous = blend_;
    set_blend(BLEND_SOLID);
    if (!gl().DrawPixels || gl_webgl()) {
        draw_pixmap_as_texture(rgba, x, y);
        set_blend(previous);
        return;
    }
    enable_texturing(false);
    // The raster position starts at the display's top-left (always inside
    // the viewport) and is moved from there, so pictures may start off screen.
    gl().RasterPos2f(0, 0);
    const float down = state_.picture_top_first() ? 1.0f : -1.0f; // a row down, in OpenGL's rows
    gl().Bitmap(0, 0, 0, 0, static_cast<float>(x), down * static_cast<float>(y), nullptr);
    gl().PixelZoom(1.0f, down);
    gl().PixelStorei(GL_UNPACK_ROW_LENGTH, rgba->pitch / 4);
    gl().DrawPixels(rgba->width, rgba->height, GL_RGBA, GL_UNSIGNED_BYTE, rgba->pixels);
    gl().PixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    gl().PixelZoom(1.0f, 1.0f);
    set_blend(previous);
}

PixmapRef TGLRenderDriver::capture_pixmap(int x, int y, int width, int height) {
    PixmapRef pixmap = create_pixmap(width, height, FORMAT_RGBA8888, 4);
    if (!display_ || pixmap->width == 0 || pixmap->height == 0) return pixmap;
    settle_clear();
    int previous = blend_;
    set_blend(BLEND_SOLID);
    gl().PixelStorei(GL_PACK_ALIGNMENT, 4);
    gl().ReadPixels(x, gl_row(y, height), width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixmap->pixels);
    set_blend(previous);
    // A window without alpha bits reads back opaque; a framebuffer object
    // has an alpha channel only because textures do.
    if (display_->picture_framebuffer() && !(display_->get_settings().flags & GRAPHICS_ALPHABUFFER))
        for (int row = 0; row < height; ++row) {
            std::uint8_t* pixel = pixmap->pixel_ptr(0, row);
            for (int column = 0; column < width; ++column, pixel += 4) pixel[3] = 255;
        }
    if (state_.picture_top_first()) return pixmap;
    // OpenGL counts rows from the bottom.
    std::vector<std::uint8_t> row(static_cast<std::size_t>(pixmap->pitch));
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::memcpy(row.data(), pixmap->pixel_ptr(0, top), row.size());
        std::memcpy(pixmap->pixel_ptr(0, top), pixmap->pixel_ptr(0, bottom), row.size());
        std::memcpy(pixmap->pixel_ptr(0, bottom), row.data(), row.size());
    }
    return pixmap;
}

unsigned TGLRenderDriver::make_texture() {
    if (!display_) return 0;
    unsigned texture = 0;
    gl().GenTextures(1, &texture);
    display_->texture_made();
    bind_texture(texture);
    return texture;
}

void TGLRenderDriver::delete_texture(unsigned texture) {
    if (!display_ || !texture) return;
    state_.forget_texture(texture);
    display_->texture_deleted();
    gl().DeleteTextures(1, &texture);
}
