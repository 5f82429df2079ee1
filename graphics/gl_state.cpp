#include "graphics/gl_state.h"

#include "graphics/gl_api.h"

namespace {

void set_capability(GLenum capability, bool on) {
    if (on)
        gl().Enable(capability);
    else
        gl().Disable(capability);
}

} // namespace

void TGLState::reset(unsigned framebuffer) {
    texture_ = 0;
    gl().BindTexture(GL_TEXTURE_2D, 0);
    texturing_ = false;
    gl().Disable(GL_TEXTURE_2D);
    texels_replace_ = false;
    gl().TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    blending_ = false;
    gl().Disable(GL_BLEND);
    gl().Disable(GL_ALPHA_TEST);
    clip_ = GLClip{};
    gl().Disable(GL_SCISSOR_TEST);
    picture_ = framebuffer;
    draw_ = read_ = framebuffer;
    if (gl_optional().BindFramebuffer) gl_optional().BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    top_first_ = framebuffer != 0 && gl_optional().ClipControl && !gl_webgl();
    if (gl_optional().ClipControl && !gl_webgl())
        gl_optional().ClipControl(top_first_ ? GL_UPPER_LEFT : GL_LOWER_LEFT,
                                  GL_NEGATIVE_ONE_TO_ONE);
}

void TGLState::bind_texture(unsigned texture) {
    if (texture == texture_) return;
    texture_ = texture;
    gl().BindTexture(GL_TEXTURE_2D, texture);
}

void TGLState::forget_texture(unsigned texture) {
    if (texture_ == texture) texture_ = 0;
}

void TGLState::enable_texturing(bool on) {
    if (on == texturing_) return;
    texturing_ = on;
    set_capability(GL_TEXTURE_2D, on);
}

void TGLState::replace_texels(bool on) {
    if (on == texels_replace_) return;
    texels_replace_ = on;
    gl().TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, on ? GL_REPLACE : GL_MODULATE);
}

void TGLState::enable_blending(bool on) {
    if (on == blending_) return;
    blending_ = on;
    set_capability(GL_BLEND, on);
}

void TGLState::set_clip(const GLClip& wanted) {
    const GLClip clip = wanted.on ? wanted : GLClip{};
    if (clip == clip_) return;
    clip_ = clip;
    set_capability(GL_SCISSOR_TEST, clip.on);
    if (clip.on) gl().Scissor(clip.x, clip.y, clip.width, clip.height);
}

void TGLState::bind_draw_framebuffer(unsigned framebuffer) {
    if (framebuffer == draw_) return;
    draw_ = framebuffer;
    gl_optional().BindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
}

void TGLState::bind_read_framebuffer(unsigned framebuffer) {
    if (framebuffer == read_) return;
    read_ = framebuffer;
    gl_optional().BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
}

void TGLState::bind_picture() {
    bind_framebuffer(picture_);
}

void TGLState::bind_framebuffer(unsigned framebuffer) {
    if (draw_ == framebuffer && read_ == framebuffer) return;
    draw_ = read_ = framebuffer;
    gl_optional().BindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}
