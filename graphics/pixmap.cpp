#include "graphics/pixmap.h"

#include "system/runtime_error.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

int format_bytes(int format) {
    switch (format) {
    case FORMAT_I8:
    case FORMAT_A8:
        return 1;
    case FORMAT_BGR888:
    case FORMAT_RGB888:
        return 3;
    case FORMAT_BGRA8888:
    case FORMAT_RGBA8888:
        return 4;
    default:
        return 0;
    }
}

bool format_has_alpha(int format) {
    return format == FORMAT_A8 || format == FORMAT_BGRA8888 || format == FORMAT_RGBA8888;
}

namespace {

// One row of `count` pixels into R, G, B, A bytes.
void row_to_rgba(const std::uint8_t* in, int format, int count, std::uint8_t* out) {
    for (int i = 0; i < count; ++i, out += 4) {
        switch (format) {
        case FORMAT_I8:
            out[0] = out[1] = out[2] = in[i], out[3] = 255;
            break;
        case FORMAT_A8:
            out[0] = out[1] = out[2] = 255, out[3] = in[i];
            break;
        case FORMAT_BGR888:
            out[0] = in[i * 3 + 2], out[1] = in[i * 3 + 1], out[2] = in[i * 3], out[3] = 255;
            break;
        case FORMAT_RGB888:
            out[0] = in[i * 3], out[1] = in[i * 3 + 1], out[2] = in[i * 3 + 2], out[3] = 255;
            break;
        case FORMAT_BGRA8888:
            out[0] = in[i * 4 + 2], out[1] = in[i * 4 + 1], out[2] = in[i * 4];
            out[3] = in[i * 4 + 3];
            break;
        default:
            std::memcpy(out, in + i * 4, 4);
            break;
        }
    }
}

// R, G, B, A bytes into one row of `format`.
void row_from_rgba(const std::uint8_t* in, int format, int count, std::uint8_t* out) {
    for (int i = 0; i < count; ++i, in += 4) {
        switch (format) {
        case FORMAT_I8:
            out[i] = static_cast<std::uint8_t>((in[0] + in[1] + in[2]) / 3);
            break;
        case FORMAT_A8:
            out[i] = in[3];
            break;
        case FORMAT_BGR888:
            out[i * 3] = in[2], out[i * 3 + 1] = in[1], out[i * 3 + 2] = in[0];
            break;
        case FORMAT_RGB888:
            out[i * 3] = in[0], out[i * 3 + 1] = in[1], out[i * 3 + 2] = in[2];
            break;
        case FORMAT_BGRA8888:
            out[i * 4] = in[2], out[i * 4 + 1] = in[1], out[i * 4 + 2] = in[0];
            out[i * 4 + 3] = in[3];
            break;
        default:
            std::memcpy(out + i * 4, in, 4);
            break;
        }
    }
}

} // namespace

std::uint8_t* TPixmap::pixel_ptr(int x, int y) {
    return pixels + static_cast<std::ptrdiff_t>(y) * pitch +
           static_cast<std::ptrdiff_t>(x) * format_bytes(format);
}

PixmapRef TPixmap::window(int x, int y, int w, int h) {
    // Clipped, so that a view never reaches outside the memory it shares.
    int x0 = std::clamp(x, 0, width), y0 = std::clamp(y, 0, height);
    int x1 = std::clamp(x + std::max(w, 0), x0, width);
    int y1 = std::clamp(y + std::max(h, 0), y0, height);
    auto view = std::make_shared<TPixmap>();
    view->pixels = x1 > x0 && y1 > y0 ? pixel_ptr(x0, y0) : nullptr;
    view->width = x1 - x0;
    view->height = y1 - y0;
    view->pitch = pitch;
    view->format = format;
    view->capacity = -1;
    view->viewed_ = shared_from_this();
    return view;
}

PixmapRef TPixmap::copy() {
    PixmapRef result = create(width, height, format);
    int row_bytes = width * format_bytes(format);
    for (int y = 0; y < height; ++y)
        std::memcpy(result->pixel_ptr(0, y), pixel_ptr(0, y), row_bytes);
    return result;
}

void TPixmap::paste(const PixmapRef& source, int x, int y) {
    if (!source) return;
    int sx = std::max(0, -x), sy = std::max(0, -y);
    int count = std::min(source->width - sx, width - (x + sx));
    int rows = std::min(source->height - sy, height - (y + sy));
    if (count <= 0 || rows <= 0) return;
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(count) * 4);
    for (int row = 0; row < rows; ++row) {
        const std::uint8_t* in = source->pixel_ptr(sx, sy + row);
        std::uint8_t* out = pixel_ptr(x + sx, y + sy + row);
        if (source->format == format) {
            std::memmove(out, in, static_cast<std::size_t>(count) * format_bytes(format));
        } else {
            row_to_rgba(in, source->format, count, rgba.data());
            row_from_rgba(rgba.data(), format, count, out);
        }
    }
}

PixmapRef TPixmap::convert(int to_format) {
    PixmapRef result = create(width, height, to_format);
    result->paste(shared_from_this(), 0, 0);
    return result;
}

std::uint32_t TPixmap::read_pixel(int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    std::uint8_t c[4];
    row_to_rgba(pixel_ptr(x, y), format, 1, c);
    return std::uint32_t(c[3]) << 24 | std::uint32_t(c[0]) << 16 | std::uint32_t(c[1]) << 8 | c[2];
}

void TPixmap::write_pixel(int x, int y, std::uint32_t argb) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    std::uint8_t c[4] = {std::uint8_t(argb >> 16), std::uint8_t(argb >> 8), std::uint8_t(argb),
                         std::uint8_t(argb >> 24)};
    row_from_rgba(c, format, 1, pixel_ptr(x, y));
}

PixmapRef TPixmap::create(int width, int height, int format, int align) {
    PixmapRef pixmap = create_unfilled(width, height, format, align);
    std::fill_n(pixmap->pixels, pixmap->capacity, std::uint8_t{0});
    return pixmap;
}

PixmapRef TPixmap::create_unfilled(int width, int height, int format, int align) {
    int bytes = format_bytes(format);
    if (bytes == 0) format = FORMAT_RGBA8888, bytes = 4;
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (align < 1) align = 1;
    long long pitch = (static_cast<long long>(width) * bytes + align - 1) / align * align;
    long long size = pitch * height;
    if (size > INT_MAX) raise_runtime_error("Pixmap too large");
    auto pixmap = std::make_shared<TPixmap>();
    pixmap->owned_ =
        std::unique_ptr<std::uint8_t[]>(new std::uint8_t[static_cast<std::size_t>(size)]);
    pixmap->pixels = pixmap->owned_.get();
    pixmap->width = width;
    pixmap->height = height;
    pixmap->pitch = static_cast<int>(pitch);
    pixmap->format = format;
    pixmap->capacity = static_cast<int>(size);
    return pixmap;
}

PixmapRef TPixmap::create_view(std::uint8_t* pixels, int width, int height, int pitch, int format) {
    auto pixmap = std::make_shared<TPixmap>();
    pixmap->pixels = pixels;
    pixmap->width = width;
    pixmap->height = height;
    pixmap->pitch = pitch;
    pixmap->format = format;
    pixmap->capacity = -1;
    return pixmap;
}

PixmapRef create_pixmap(int width, int height, int format, int align) {
    return TPixmap::create(width, height, format, align);
}

PixmapRef create_view_pixmap(std::uint8_t* pixels, int width, int height, int pitch, int format) {
    return TPixmap::create_view(pixels, width, height, pitch, format);
}
