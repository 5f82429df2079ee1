// The OpenGL driver's shortcuts: ways to exactly the pixels the general path
// draws that cost a software rasteriser (Mesa's llvmpipe) far less. They are
// proven against the general path byte for byte by the tests, with
// set_shortcuts(false).
#include "graphics/display_internal.h"
#include "graphics/gl_api.h"
#include "graphics/gl_display_driver.h"
#include "graphics/gl_render_driver.h"

// Multiplying by white at full alpha changes no texel, but a plain texture
// read is the cheaper shader.
void TGLRenderDriver::combine_texels_for_color() {
    state_.replace_texels(shortcuts_ && color_[0] == 255 && color_[1] == 255 && color_[2] == 255 &&
                          color_[3] == 255);
}

void TGLRenderDriver::blend_source(bool opaque) {
    if (blend_ != BLEND_ALPHA) return;
    state_.enable_blending(!(shortcuts_ && opaque && color_[3] == 255));
}

void TGLRenderDriver::prepare_untextured() {
    settle_clear();
    enable_texturing(false);
    blend_source(true);
}

void TGLRenderDriver::settle_clear() {
    if (!clear_pending_) return;
    clear_pending_ = false;
    gl().Clear(GL_COLOR_BUFFER_BIT);
}

// Blending at full alpha (or none, or the mask's alpha test) leaves an opaque
// texel as it is; adding or multiplying does not.
bool TGLRenderDriver::draw_would_copy(int left, int top, int width, int height) const {
    const bool passes_texels =
        blend_ == BLEND_ALPHA || blend_ == BLEND_SOLID || blend_ == BLEND_MASK;
    const bool white = color_[0] == 255 && color_[1] == 255 && color_[2] == 255 && color_[3] == 255;
    return shortcuts_ && display_ && passes_texels && white && !state_.clip().on && left >= 0 &&
           top >= 0 && left + width <= width_ && top + height <= height_ &&
           gl_optional().has_framebuffers();
}

// A framebuffer blit of the same size with nearest sampling is a plain copy
// of memory in llvmpipe when the formats agree, where a textured quad is
// shaded pixel by pixel: a full-screen picture costs a tenth.
bool TGLRenderDriver::copy_texels(unsigned texture, int left, int top, int width, int height) {
    const GLOptionalApi& fb = gl_optional();
    if (!copy_framebuffer_made_.current()) {
        // One made for an earlier opening went with its context.
        copy_framebuffer_made_.take();
        copy_framebuffer_ = 0;
        fb.GenFramebuffers(1, &copy_framebuffer_);
    }
    if (!copy_framebuffer_) return false;
    state_.bind_read_framebuffer(copy_framebuffer_);
    fb.FramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    const bool complete = fb.CheckFramebufferStatus(GL_READ_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (complete) {
        // What covers the whole frame makes a held clear pointless.
        if (left == 0 && top == 0 && width == width_ && height == height_)
            clear_pending_ = false;
        else
            settle_clear();
        // The texture's first row is the picture's top, wherever the frame
        // keeps its top row.
        const bool top_first = state_.picture_top_first();
        const int first = top_first ? top : height_ - top;
        const int last = top_first ? top + height : height_ - top - height;
        fb.BlitFramebuffer(0, 0, width, height, left, first, left + width, last,
                           GL_COLOR_BUFFER_BIT, GL_NEAREST);
    }
    state_.bind_picture();
    return complete;
}
