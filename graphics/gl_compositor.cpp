#include "graphics/gl_compositor.h"

#include "graphics/gl_api.h"
#include "platform/platform.h"

namespace {

// How a picture's texture is made. One shown by blits is filtered linearly
// and kept in the byte order of a window's own pixels, so that copies
// between them convert nothing. One shown as a quad (WebGL, which has no
// blits) is taken texel for pixel, and a texture of no power-of-two size is
// only complete in WebGL when it neither repeats nor has mipmaps; WebGL
// binds reads and draws as one.
struct TargetForm {
    GLint filter;
    bool clamped;
    GLenum byte_order;
    GLenum binding;
};
const TargetForm blitted{GL_LINEAR, false, GL_BGRA, GL_DRAW_FRAMEBUFFER};
const TargetForm drawn{GL_NEAREST, true, GL_RGBA, GL_FRAMEBUFFER};

void drop_target(unsigned& framebuffer, unsigned& texture) {
    if (framebuffer) gl_optional().DeleteFramebuffers(1, &framebuffer);
    if (texture) gl().DeleteTextures(1, &texture);
    framebuffer = texture = 0;
}

void bind_target(const TargetForm& form, unsigned framebuffer, TGLState& state) {
    if (form.binding == GL_DRAW_FRAMEBUFFER)
        state.bind_draw_framebuffer(framebuffer);
    else
        state.bind_framebuffer(framebuffer);
}

// A texture of that size with a framebuffer around it, left bound; where
// one cannot be made, neither is left.
bool make_target(int width, int height, const TargetForm& form, unsigned& framebuffer,
                 unsigned& texture, TGLState& state) {
    const GLOptionalApi& fb = gl_optional();
    gl().GenTextures(1, &texture);
    state.bind_texture(texture);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, form.filter);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, form.filter);
    if (form.clamped) {
        gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    gl().TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, form.byte_order, GL_UNSIGNED_BYTE,
                    nullptr);
    fb.GenFramebuffers(1, &framebuffer);
    bind_target(form, framebuffer, state);
    fb.FramebufferTexture2D(form.binding, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    if (fb.CheckFramebufferStatus(form.binding) == GL_FRAMEBUFFER_COMPLETE) return true;
    state.forget_texture(texture);
    drop_target(framebuffer, texture);
    bind_target(form, 0, state);
    return false;
}

// Black where the picture does not reach: a rectangle of the window, in
// OpenGL's rows (counted from the bottom).
void blacken(int x, int y, int width, int height, TGLState& state) {
    if (width <= 0 || height <= 0) return;
    static const GLfloat black[4] = {0, 0, 0, 1};
    state.set_clip({true, x, y, width, height});
    gl_optional().ClearBufferfv(GL_COLOR, 0, black);
}

} // namespace

bool TGLCompositor::make(int width, int height, TGLState& state) {
    release();
    if (gl_webgl()) return make_drawn(width, height, state);
    if (!gl_optional().has_framebuffers() || !gl_optional().ClearBufferfv) return false;
    width_ = width;
    height_ = height;
    return make_target(width, height, blitted, framebuffer_, texture_, state);
}

unsigned TGLCompositor::whole_picture(int whole, TGLState& state) {
    if (whole != whole_) {
        state.forget_texture(whole_texture_);
        drop_target(whole_framebuffer_, whole_texture_);
        whole_ = 0;
        if (!make_target(width_ * whole, height_ * whole, blitted, whole_framebuffer_,
                         whole_texture_, state))
            return 0;
        whole_ = whole;
    }
    return whole_framebuffer_;
}

bool TGLCompositor::make_drawn(int width, int height, TGLState& state) {
    const GLOptionalApi& fb = gl_optional();
    if (!fb.GenFramebuffers || !fb.DeleteFramebuffers || !fb.BindFramebuffer ||
        !fb.FramebufferTexture2D || !fb.CheckFramebufferStatus)
        return false;
    width_ = width;
    height_ = height;
    return make_target(width, height, drawn, framebuffer_, texture_, state);
}

// The window is the picture's size: one texel on each pixel, taken as it is.
// The caller has blending and the alpha test off.
void TGLCompositor::show_drawn(TGLState& state) const {
    const GLClip clip = state.clip();
    const bool replaced = state.texels_replaced();
    state.bind_framebuffer(0);
    state.set_clip({});
    state.bind_texture(texture_);
    state.enable_texturing(true);
    state.replace_texels(true);
    const auto w = static_cast<float>(width_), h = static_cast<float>(height_);
    // The texture's first row is the picture's bottom row, as in the window.
    gl().Begin(GL_QUADS);
    gl().TexCoord2f(0, 1);
    gl().Vertex2f(0, 0);
    gl().TexCoord2f(1, 1);
    gl().Vertex2f(w, 0);
    gl().TexCoord2f(1, 0);
    gl().Vertex2f(w, h);
    gl().TexCoord2f(0, 0);
    gl().Vertex2f(0, h);
    gl().End();
    state.replace_texels(replaced);
    state.bind_picture();
    state.set_clip(clip);
}

void TGLCompositor::show(platform::Window* window, TGLState& state) {
    if (gl_webgl()) return show_drawn(state);
    const GLOptionalApi& fb = gl_optional();
    const platform::PictureRect rect = platform::picture_rect(window);
    const int ww = rect.window_width, wh = rect.window_height;
    // OpenGL's rows of the picture's rectangle, counted from the bottom.
    const int top = wh - rect.y, bottom = wh - rect.y - rect.height;
    const GLClip clip = state.clip();
    state.bind_draw_framebuffer(0);
    blacken(0, 0, rect.x, wh, state);
    blacken(rect.x + rect.width, 0, ww - rect.x - rect.width, wh, state);
    blacken(rect.x, top, rect.width, wh - top, state);
    blacken(rect.x, 0, rect.width, bottom, state);
    state.set_clip({}); // blits obey the clip box too

    unsigned source = framebuffer_;
    int source_width = width_, source_height = height_;
    const bool exact =
        rect.whole >= 1 && rect.width == width_ * rect.whole && rect.height == height_ * rect.whole;
    if (!exact && rect.whole >= 2) {
        if (unsigned whole = whole_picture(rect.whole, state)) {
            state.bind_read_framebuffer(framebuffer_);
            state.bind_draw_framebuffer(whole);
            fb.BlitFramebuffer(0, 0, width_, height_, 0, 0, width_ * rect.whole,
                               height_ * rect.whole, GL_COLOR_BUFFER_BIT, GL_NEAREST);
            state.bind_draw_framebuffer(0);
            source = whole;
            source_width = width_ * rect.whole;
            source_height = height_ * rect.whole;
        }
    }
    state.bind_read_framebuffer(source);
    // A picture kept top row first goes to the top of the rectangle.
    const bool flip = state.picture_top_first();
    fb.BlitFramebuffer(0, 0, source_width, source_height, rect.x, flip ? top : bottom,
                       rect.x + rect.width, flip ? bottom : top, GL_COLOR_BUFFER_BIT,
                       exact ? GL_NEAREST : GL_LINEAR);
    state.bind_picture();
    state.set_clip(clip);
}

PixmapRef TGLCompositor::read_window(platform::Window* window, TGLState& state) const {
    const platform::PictureRect rect = platform::picture_rect(window);
    PixmapRef pixels = create_pixmap(rect.window_width, rect.window_height, FORMAT_RGBA8888, 4);
    if (gl_webgl())
        state.bind_framebuffer(0);
    else
        state.bind_read_framebuffer(0);
    gl().PixelStorei(GL_PACK_ALIGNMENT, 4);
    gl().ReadPixels(0, 0, pixels->width, pixels->height, GL_RGBA, GL_UNSIGNED_BYTE, pixels->pixels);
    state.bind_picture();
    // The window counts rows from the bottom.
    PixmapRef flipped = create_pixmap(pixels->width, pixels->height, FORMAT_RGBA8888, 4);
    for (int y = 0; y < pixels->height; ++y)
        flipped->paste(pixels->window(0, pixels->height - 1 - y, pixels->width, 1), 0, y);
    return flipped;
}

void TGLCompositor::release() {
    drop_target(framebuffer_, texture_);
    drop_target(whole_framebuffer_, whole_texture_);
    whole_ = 0;
}
