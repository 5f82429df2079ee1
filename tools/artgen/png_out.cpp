#include "tools/artgen/png_out.h"

#include <cstdio>
#include <memory>
#include <png.h>
#include <stdexcept>

Pixels pixels_from_surface(cairo_surface_t* surface, PngLayout layout) {
    cairo_surface_flush(surface);
    Pixels out;
    out.width = cairo_image_surface_get_width(surface);
    out.height = cairo_image_surface_get_height(surface);
    out.channels = layout == PngLayout::rgb ? 3 : 4;
    out.data.resize(static_cast<std::size_t>(out.width) * out.height * out.channels);
    const unsigned char* base = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    bool has_alpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    for (int y = 0; y < out.height; ++y) {
        auto row =
            reinterpret_cast<const std::uint32_t*>(base + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < out.width; ++x) {
            std::uint32_t p = row[x];
            unsigned a = has_alpha ? (p >> 24) & 255 : 255;
            unsigned c[3] = {(p >> 16) & 255, (p >> 8) & 255, p & 255};
            std::uint8_t* dst = out.at(x, y);
            for (int i = 0; i < 3; ++i) {
                unsigned v = a == 0 ? 0 : (c[i] * 255 + a / 2) / a;
                dst[i] = static_cast<std::uint8_t>(v > 255 ? 255 : v);
            }
            if (out.channels == 4) dst[3] = static_cast<std::uint8_t>(a);
        }
    }
    return out;
}

void write_png(const std::string& path, const Pixels& pixels) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("libpng failed to start");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed writing " + path);
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixels.width),
                 static_cast<png_uint_32>(pixels.height), 8,
                 pixels.channels == 3 ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < pixels.height; ++y)
        png_write_row(png, const_cast<png_bytep>(pixels.at(0, y)));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}

void write_png(const std::string& path, cairo_surface_t* surface, PngLayout layout) {
    write_png(path, pixels_from_surface(surface, layout));
}
