#include "graphics/gl_pixel_presenter.h"

#include "graphics/gl_api.h"
#include "graphics/gl_state.h"

#include <algorithm>
#include <cstring>

void TGLPixelPresenter::start(int width, int height) {
    width_ = width;
    height_ = height;
    const std::size_t size = static_cast<std::size_t>(width) * height;
    read_.assign(size, 0);
    picture_.assign(size, 0);
    changed_.assign(static_cast<std::size_t>(height), 1);
    scaler_ = TPictureScaler{};
}

void TGLPixelPresenter::read_frame(TGLState& state) {
    state.bind_read_framebuffer(state.picture_framebuffer());
    gl().PixelStorei(GL_PACK_ALIGNMENT, 4);
    // Blue first, as the window system's pixels are. From a picture of that
    // same byte order the read is a plain copy.
    gl().ReadPixels(0, 0, width_, height_, GL_BGRA, GL_UNSIGNED_BYTE, read_.data());
    state.bind_picture();
    const std::size_t row_bytes = static_cast<std::size_t>(width_) * 4;
    const bool top_first = state.picture_top_first();
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* from =
            read_.data() + static_cast<std::size_t>(top_first ? y : height_ - 1 - y) * width_;
        std::uint32_t* to = picture_.data() + static_cast<std::size_t>(y) * width_;
        if (std::memcmp(from, to, row_bytes) == 0) continue;
        changed_[static_cast<std::size_t>(y)] = 1;
        // Read in the picture's own order, the frame read becomes the frame
        // shown as it is; only the other order needs its rows copied.
        if (!top_first) std::memcpy(to, from, row_bytes);
    }
    if (top_first) read_.swap(picture_);
}

void TGLPixelPresenter::blacken_bars(const platform::WindowPixels& window,
                                     const platform::PictureRect& rect) {
    for (int y = 0; y < window.height; ++y) {
        std::uint32_t* row = window.pixels + static_cast<std::size_t>(y) * window.pitch;
        if (y < rect.y || y >= rect.y + rect.height) {
            std::fill(row, row + window.width, 0u);
            continue;
        }
        std::fill(row, row + rect.x, 0u);
        std::fill(row + rect.x + rect.width, row + window.width, 0u);
    }
}

void TGLPixelPresenter::show(platform::Window* window, TGLState& state) {
    read_frame(state);
    const platform::WindowPixels pixels = platform::window_pixels(window);
    if (!pixels.pixels) return;
    const platform::PictureRect rect =
        platform::fit_picture(pixels.width, pixels.height, width_, height_);
    written_.clear();
    const bool whole_window = pixels.repaint || !(rect == scaler_.rect());
    if (whole_window) {
        scaler_.plan(width_, height_, rect);
        blacken_bars(pixels, rect);
        std::fill(changed_.begin(), changed_.end(), 1);
    }
    scaler_.scale(picture_.data(), changed_, pixels, written_);
    if (whole_window) written_.assign(1, {0, pixels.height});
    std::fill(changed_.begin(), changed_.end(), 0);
    platform::show_window_pixels(window, written_);
}

PixmapRef TGLPixelPresenter::read_window(platform::Window* window) const {
    const platform::WindowPixels pixels = platform::window_pixels(window);
    PixmapRef shown = create_pixmap(pixels.width, pixels.height, FORMAT_RGBA8888, 4);
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            shown->write_pixel(x, y, 0xff000000u | pixels.pixels[y * pixels.pitch + x]);
    return shown;
}
