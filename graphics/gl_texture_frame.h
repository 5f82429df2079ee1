// An image frame held as an OpenGL texture. The frame's pixels sit in the
// top-left of a power-of-two texture, as OpenGL 1.1 requires.
#pragma once

#include "graphics/gl_atlas.h"
#include "graphics/image_frame.h"

#include <memory>

class TGLRenderDriver;

class TGLTextureFrame : public TImageFrame {
  public:
    float u_left = 0, v_top = 0;     // always 0, 0
    float u_right = 0, v_bottom = 0; // frame size / texture size
    unsigned texture = 0;
    int seq = 0;               // display_seq when made
    int width = 0, height = 0; // of the frame's pixels in the texture
    bool filtered = false;     // bilinear magnification asked for
    bool opaque = false;       // every pixel has alpha 255
    // A small frame's pixels until it has a slot in the shared texture,
    // where its texel-for-pixel draws come from.
    PixmapRef atlas_pixels;
    AtlasSlot atlas_slot;

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
};
