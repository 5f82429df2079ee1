// What the OpenGL driver has set its context to, in one record.
//
// The render driver, its shortcuts and the compositor all change the
// context, and each skips a call when the record says the state is already
// so. Every change therefore goes through here: a change made behind the
// record would leave a stale value and a wrong picture (a texture that is
// not the one bound, a clip box that is not the one set).
#pragma once

// A clip rectangle in OpenGL's rows (counted from the bottom), or none.
struct GLClip {
    bool on = false;
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const GLClip&) const = default;
};

class TGLState {
  public:
    // Puts a fresh or reused context into the starting state and records it:
    // no texture bound, texturing, blending and the alpha test off, texels
    // multiplied by the colour, no clip, and drawing and reading on
    // `framebuffer` (0 for the window).
    void reset(unsigned framebuffer);

    // Whether the picture's top row is OpenGL's row 0. A window keeps its
    // rows top first in memory and draws with its origin flipped, and an
    // OpenGL driver may break ties of edges through pixel centres the other
    // way in a framebuffer object than in a window. Drawn into a
    // framebuffer object, the picture is therefore laid out as a window
    // lays it out, origin at the top (glClipControl), where the driver can:
    // it then comes out exactly as in a window.
    bool picture_top_first() const { return top_first_; }

    void bind_texture(unsigned texture);
    unsigned texture() const { return texture_; }
    // A texture being deleted: the next bind of its name must really bind.
    void forget_texture(unsigned texture);
    void enable_texturing(bool on);
    // Texels taken as they are (GL_REPLACE) or multiplied by the colour.
    void replace_texels(bool on);
    bool texels_replaced() const { return texels_replace_; }
    void enable_blending(bool on);
    bool blending() const { return blending_; }

    // Enables the scissor test with the box whenever a box is asked for
    // that differs from the last one, and disables it for none.
    void set_clip(const GLClip& clip);
    const GLClip& clip() const { return clip_; }

    // Where drawing and reading go between the compositor's own steps.
    unsigned picture_framebuffer() const { return picture_; }
    void bind_draw_framebuffer(unsigned framebuffer);
    void bind_read_framebuffer(unsigned framebuffer);
    // Drawing and reading back on the picture.
    void bind_picture();
    // Both on one framebuffer (WebGL binds no other way).
    void bind_framebuffer(unsigned framebuffer);

  private:
    unsigned texture_ = 0;
    bool texturing_ = false;
    bool texels_replace_ = false;
    bool blending_ = false;
    GLClip clip_;
    unsigned picture_ = 0, draw_ = 0, read_ = 0;
    bool top_first_ = false;
};
