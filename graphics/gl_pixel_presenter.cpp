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
    state.bind_read_framebuffer(0);
    gl().PixelStorei(GL_PACK_ALIGNMENT, 4);
    // The window's own byte order (blue first), which the window system's
    // pixels share: read without converting.
    gl().ReadPixels(0, 0, width_, height_, GL_BGRA, GL_UNSIGNED_BYTE, read_.data());
    const std::size_t row_bytes = static_cast<std::size_t>(width_) * 4;
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* from = read_.data() + static_cast<std::size_t>(height_ - 1 - y) * width_;
        std::uint32_t* to = picture_.data() + static_cast<std::size_t>(y) * width_;
        if (std::memcmp(from, to, row_bytes) == 0) continue;
        std::memcpy(to, from, row_bytes);
        changed_[static_cast<std::size_t>(y)] = 1;
    }
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
    const platform::PictureRect rect = platform::fit_picture(pixels.width, pixels.height, width_,
                                                             height_);
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
