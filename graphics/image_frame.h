// One drawable frame of an image: a texture, or whatever the render driver
// uses in its place.
#pragma once

#include <memory>

class TImageFrame {
  public:
    virtual ~TImageFrame() = default;
    // Draws the frame stretched over the local rectangle (x0, y0)-(x1, y1),
    // mapped by the driver's matrix and moved by (tx, ty).
    virtual void draw(float x0, float y0, float x1, float y1, float tx, float ty) = 0;
};

using ImageFrameRef = std::shared_ptr<TImageFrame>;
