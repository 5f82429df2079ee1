// Scaling a picture into a window's pixels on the CPU, as the compositor
// does it with OpenGL: at a whole multiple of the picture's size every pixel
// becomes an n x n block; at any other size the picture is taken to the
// largest whole multiple that fits, then filtered linearly to the size.
//
// Only what changed is worked out again: the caller says which of the
// picture's rows changed since the last call, and hears which rows of the
// window were written.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <vector>

class TPictureScaler {
  public:
    // Plans for a picture of that size shown in `rect` of the window.
    void plan(int picture_width, int picture_height, const platform::PictureRect& rect);
    const platform::PictureRect& rect() const { return rect_; }

    // Writes the rows of the rectangle that depend on the changed rows of
    // the picture (`picture` row by row from the top, `changed` one flag a
    // row) into the window's pixels, and adds the window rows written to
    // `written`, in order and merged.
    void scale(const std::uint32_t* picture, const std::vector<char>& changed,
               const platform::WindowPixels& window, std::vector<platform::RowSpan>& written);

  private:
    // A position of the scaled picture sampled between two of the
    // picture's pixels: the first one's index, the second's, and the
    // second's weight in 256ths.
    struct Tap {
        int first = 0, second = 0, weight = 0;
    };
    static std::vector<Tap> taps(int picture_size, int whole, int shown_size);

    void scale_whole(const std::uint32_t* picture, const std::vector<char>& changed,
                     const platform::WindowPixels& window, std::vector<platform::RowSpan>& written);
    void scale_smooth(const std::uint32_t* picture, const std::vector<char>& changed,
                      const platform::WindowPixels& window,
                      std::vector<platform::RowSpan>& written);

    int width_ = 0, height_ = 0;
    platform::PictureRect rect_;
    int block_ = 0; // the side of a pixel's block when the rectangle is a whole multiple
    std::vector<Tap> columns_, rows_;
    // The column taps laid out for one loop over a row's bytes: each shown
    // pixel's two source pixels side by side, and each byte's two weights.
    std::vector<std::uint32_t> firsts_, seconds_;
    std::vector<std::uint16_t> first_weights_, second_weights_;
    // Each of the picture's rows filtered across to the rectangle's width.
    std::vector<std::uint32_t> across_;
};
