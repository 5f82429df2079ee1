// An image frame held as an OpenGL texture. The frame's pixels sit in the
// top-left of a power-of-two texture, as OpenGL 1.1 requires.
#pragma once

#include "graphics/display_internal.h"
#include "graphics/gl_atlas.h"
#include "graphics/image_frame.h"

#include <memory>

class TGLRenderDriver;

class TGLTextureFrame : public TImageFrame {
  public:
    float u_left = 0, v_top = 0;     // always 0, 0
    float u_right = 0, v_bottom = 0; // frame size / texture size
    unsigned texture = 0;            // 0 until a draw needs it (see make_texture)
    TDisplayStamp made;              // the opening of the display it was made for
    int width = 0, height = 0;       // of the frame's pixels in the texture
    int tex_width = 0, tex_height = 0;
    bool filtered = false;  // bilinear magnification asked for
    bool mipmapped = false; // mipmaps and trilinear minification asked for
    bool opaque = false;    // every pixel has alpha 255
    PixmapRef pixels;       // the frame's pixels, for making its textures
    // Where a small frame's texel-for-pixel draws come from: a cell of a
    // shared texture, taken at the first such draw.
    AtlasSlot atlas_slot;

    // Makes the frame's own texture, if it has none yet.
    void make_texture(TGLRenderDriver& driver);

    TGLTextureFrame(std::weak_ptr<TGLRenderDriver> driver) : driver_(std::move(driver)) {}
    ~TGLTextureFrame() override;
    TGLTextureFrame(const TGLTextureFrame&) = delete;
    TGLTextureFrame& operator=(const TGLTextureFrame&) = delete;

    void draw(float x0, float y0, float x1, float y1, float tx, float ty) override;

  private:
    // Draws from the shared texture when that gives the same pixels.
    bool draw_from_atlas(TGLRenderDriver& driver, float x0, float y0, float tx, float ty);

    std::weak_ptr<TGLRenderDriver> driver_;
    bool nearest_now_ = false; // the texture's magnification is set to nearest
    bool placed_ = false;      // a cell of the shared texture was asked for
};
