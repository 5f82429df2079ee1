#include "graphics/gl_compositor.h"

#include "graphics/gl_api.h"
#include "platform/platform.h"

namespace {

// A colour texture of that size with a framebuffer around it, in the byte
// order of a window's own pixels, so that copies between them convert nothing.
bool make_target(int width, int height, unsigned& framebuffer, unsigned& texture) {
    const GLOptionalApi& fb = gl_optional();
    gl().GenTextures(1, &texture);
    gl().BindTexture(GL_TEXTURE_2D, texture);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl().TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl().TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                    nullptr);
    gl().BindTexture(GL_TEXTURE_2D, 0);
    fb.GenFramebuffers(1, &framebuffer);
    fb.BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    fb.FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    return fb.CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void drop_target(unsigned& framebuffer, unsigned& texture) {
    if (framebuffer) gl_optional().DeleteFramebuffers(1, &framebuffer);
    if (texture) gl().DeleteTextures(1, &texture);
    framebuffer = texture = 0;
}

// Black where the picture does not reach: a rectangle of the window, in
// OpenGL's rows (counted from the bottom).
void blacken(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    static const GLfloat black[4] = {0, 0, 0, 1};
    gl().Scissor(x, y, width, height);
    gl_optional().ClearBufferfv(GL_COLOR, 0, black);
}

} // namespace

bool TGLCompositor::make(int width, int height) {
    forget();
    if (!gl_optional().has_framebuffers() || !gl_optional().ClearBufferfv) return false;
    width_ = width;
    height_ = height;
    if (make_target(width, height, framebuffer_, texture_)) return true;
    drop_target(framebuffer_, texture_);
    gl_optional().BindFramebuffer(GL_FRAMEBUFFER, 0);
    return false;
}

void TGLCompositor::bind() const {
    if (gl_optional().BindFramebuffer) gl_optional().BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

unsigned TGLCompositor::whole_picture(int whole) {
    if (whole != whole_) {
        drop_target(whole_framebuffer_, whole_texture_);
        whole_ = 0;
        if (!make_target(width_ * whole, height_ * whole, whole_framebuffer_, whole_texture_)) {
            drop_target(whole_framebuffer_, whole_texture_);
            return 0;
        }
        whole_ = whole;
    }
    return whole_framebuffer_;
}

void TGLCompositor::show(platform::Window* window) {
    const GLOptionalApi& fb = gl_optional();
    const platform::PictureRect rect = platform::picture_rect(window);
    const int ww = rect.window_width, wh = rect.window_height;
    // The window counts rows from the bottom: the picture's top row goes
    // to the top of its rectangle.
    const int top = wh - rect.y, bottom = wh - rect.y - rect.height;
    fb.BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    gl().Enable(GL_SCISSOR_TEST);
    blacken(0, 0, rect.x, wh);
    blacken(rect.x + rect.width, 0, ww - rect.x - rect.width, wh);
    blacken(rect.x, top, rect.width, wh - top);
    blacken(rect.x, 0, rect.width, bottom);
    gl().Disable(GL_SCISSOR_TEST);

    unsigned source = framebuffer_;
    int source_width = width_, source_height = height_;
    const bool exact =
        rect.whole >= 1 && rect.width == width_ * rect.whole && rect.height == height_ * rect.whole;
    if (!exact && rect.whole >= 2) {
        if (unsigned whole = whole_picture(rect.whole)) {
            fb.BindFramebuffer(GL_DRAW_FRAMEBUFFER, whole);
            fb.BlitFramebuffer(0, 0, width_, height_, 0, 0, width_ * rect.whole,
                               height_ * rect.whole, GL_COLOR_BUFFER_BIT, GL_NEAREST);
            fb.BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
            source = whole;
            source_width = width_ * rect.whole;
            source_height = height_ * rect.whole;
        }
    }
    fb.BindFramebuffer(GL_READ_FRAMEBUFFER, source);
    fb.BlitFramebuffer(0, 0, source_width, source_height, rect.x, top, rect.x + rect.width, bottom,
                       GL_COLOR_BUFFER_BIT, exact ? GL_NEAREST : GL_LINEAR);
    bind();
}

PixmapRef TGLCompositor::read_window(platform::Window* window) const {
    const platform::PictureRect rect = platform::picture_rect(window);
    PixmapRef pixels = create_pixmap(rect.window_width, rect.window_height, FORMAT_RGBA8888, 4);
    gl_optional().BindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    gl().PixelStorei(GL_PACK_ALIGNMENT, 4);
    gl().ReadPixels(0, 0, pixels->width, pixels->height, GL_RGBA, GL_UNSIGNED_BYTE, pixels->pixels);
    bind();
    // The window counts rows from the bottom.
    PixmapRef flipped = create_pixmap(pixels->width, pixels->height, FORMAT_RGBA8888, 4);
    for (int y = 0; y < pixels->height; ++y)
        flipped->paste(pixels->window(0, pixels->height - 1 - y, pixels->width, 1), 0, y);
    return flipped;
}

void TGLCompositor::forget() {
    framebuffer_ = texture_ = whole_framebuffer_ = whole_texture_ = 0;
    whole_ = 0;
}
