// The OpenGL 1.1 render driver: immediate-mode drawing, one begin/end per
// primitive or image frame, in call order.
#pragma once

#include "graphics/display_internal.h"
#include "graphics/gl_atlas.h"
#include "graphics/gl_state.h"
#include "graphics/render_driver.h"

class TGLGraphics;

class TGLRenderDriver : public TRenderDriver, public std::enable_shared_from_this<TGLRenderDriver> {
  public:
    std::vector<TGraphicsMode> display_modes() override;
    DrawStateRef attach_display(void* window, int flags) override;
    DrawStateRef create_display(int width, int height, int depth, int hz, int flags) override;
    void select_display(const DrawStateRef& display) override;
    void present_frame(int sync) override;
    ImageFrameRef create_frame_from_pixmap(const PixmapRef& pixmap, int image_flags) override;
    void set_blend(int mode) override;
    void set_alpha(float alpha) override;
    void set_color(int r, int g, int b) override;
    void set_clear_color(int r, int g, int b) override;
    void set_viewport(int x, int y, int width, int height) override;
    void set_transform(float ix, float iy, float jx, float jy) override;
    void set_line_width(float width) override;
    void clear_frame() override;
    void plot(float x, float y) override;
    void draw_line(float x0, float y0, float x1, float y1, float tx, float ty) override;
    void draw_rect(float x0, float y0, float x1, float y1, float tx, float ty) override;
    void draw_oval(float x0, float y0, float x1, float y1, float tx, float ty) override;
    void draw_poly(std::span<const float> xy, float handle_x, float handle_y, float origin_x,
                   float origin_y) override;
    void draw_pixmap(const PixmapRef& pixmap, int x, int y) override;
    PixmapRef capture_pixmap(int x, int y, int width, int height) override;

    // For the texture frames: the context's state as the driver set it.
    bool has_display() const { return display_ != nullptr; }
    TGLState& state() { return state_; }
    void bind_texture(unsigned texture) { state_.bind_texture(texture); }
    void enable_texturing(bool on) { state_.enable_texturing(on); }
    // A new texture of the current display, bound; 0 without a display.
    unsigned make_texture();
    // Deletes a texture of the current display.
    void delete_texture(unsigned texture);
    TGLAtlas& atlas() { return atlas_; }
    // The local point (x, y) under the matrix, moved by (tx, ty).
    void vertex(float x, float y, float tx, float ty) const;
    void matrix(float& ix, float& iy, float& jx, float& jy) const {
        ix = ix_, iy = iy_, jx = jx_, jy = jy_;
    }
    int blend_mode() const { return blend_; }
    int alpha_byte() const { return color_[3]; }

    // Drawing shortcuts: ways to the same pixels that cost a software
    // rasteriser less. On unless switched off (tests compare both ways).
    void set_shortcuts(bool on) { shortcuts_ = on; }
    bool shortcuts() const { return shortcuts_; }
    // Texels multiplied by the colour, or (when the colour is white at full
    // alpha, which leaves them as they are) taken as they are.
    void combine_texels_for_color();
    // Whether a texel-for-pixel draw of an opaque picture at (left, top)
    // would only copy its texels: full colour and alpha, a blending mode
    // that lets an opaque texel through unchanged, no clip rectangle, and
    // the picture inside the frame.
    bool draw_would_copy(int left, int top, int width, int height) const;
    // Copies the top-left width x height texels of the texture to (left, top)
    // without drawing them; false when the driver cannot.
    bool copy_texels(unsigned texture, int left, int top, int width, int height);
    // Issues a clear that was held back, before anything else touches the frame.
    void settle_clear();
    // Blending that mixes in nothing of what is below (full alpha over an
    // opaque source) is switched off: the same pixels without reading the
    // frame. Only in the alpha-blending mode.
    void blend_source(bool opaque);
    // Textures are stored in the byte order the software rasteriser's fast
    // ways read (BGRA) while the shortcuts are on.
    bool store_bgra() const { return shortcuts_; }

  private:
    // Before a primitive without a texture: the held clear, texturing off
    // and blending as the colour's alpha needs it.
    void prepare_untextured();
    // A line wider than a pixel where the context draws none (WebGL), from
    // one transformed end to the other.
    void draw_wide_line(float ax, float ay, float bx, float by);
    // draw_pixmap through a texture, where there are no pixel rectangles.
    void draw_pixmap_as_texture(const PixmapRef& rgba, int x, int y);
    // OpenGL's row of the top of a block of `height` rows at y (y downward).
    int gl_row(int y, int height) const {
        return state_.picture_top_first() ? y : height_ - y - height;
    }

    TGLGraphics* display_ = nullptr; // the window whose context is current
    int width_ = 0, height_ = 0;
    float ix_ = 1, iy_ = 0, jx_ = 0, jy_ = 1;
    unsigned char color_[4] = {0, 0, 0, 0};
    float line_width_ = 1;
    int blend_ = 0;
    bool shortcuts_ = true;
    bool clear_pending_ = false;
    TGLState state_;
    unsigned copy_framebuffer_ = 0; // for copying texels; made on first use
    TDisplayStamp copy_framebuffer_made_;
    TGLAtlas atlas_;
};
