// What the OpenGL driver draws another way in a browser's WebGL 1.0, which
// lacks wide lines and pixel rectangles: the same shapes and pixels from
// what it has. (gl_api.h lists what it lacks.)
#include "graphics/gl_api.h"
#include "graphics/gl_render_driver.h"
#include "graphics/image_frame.h"

#include <algorithm>
#include <cmath>

// An aliased wide line covers, along its major axis from end to end, the
// pixels within half its width to either side across that axis.
void TGLRenderDriver::draw_wide_line(float ax, float ay, float bx, float by) {
    const float half = line_width_ / 2;
    const bool x_major = std::fabs(bx - ax) >= std::fabs(by - ay);
    const float dx = x_major ? 0 : half, dy = x_major ? half : 0;
    gl().Begin(GL_QUADS);
    gl().Vertex2f(ax - dx, ay - dy);
    gl().Vertex2f(bx - dx, by - dy);
    gl().Vertex2f(bx + dx, by + dy);
    gl().Vertex2f(ax + dx, ay + dy);
    gl().End();
}

// The pixels as a texture drawn texel for pixel, untransformed, in full
// colour: each pixel lands as it is, alpha and all, as glDrawPixels puts it.
void TGLRenderDriver::draw_pixmap_as_texture(const PixmapRef& rgba, int x, int y) {
    const float matrix[4] = {ix_, iy_, jx_, jy_};
    unsigned char saved[4];
    std::copy(color_, color_ + 4, saved);
    ix_ = jy_ = 1;
    iy_ = jx_ = 0;
    std::fill(color_, color_ + 4, 255);
    gl().Color4ubv(color_);
    if (ImageFrameRef frame = create_frame_from_pixmap(rgba, 0)) {
        const auto left = static_cast<float>(x), top = static_cast<float>(y);
        frame->draw(left, top, left + static_cast<float>(rgba->width),
                    top + static_cast<float>(rgba->height), 0, 0);
    }
    ix_ = matrix[0], iy_ = matrix[1], jx_ = matrix[2], jy_ = matrix[3];
    std::copy(saved, saved + 4, color_);
    gl().Color4ubv(color_);
}
