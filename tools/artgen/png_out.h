// Writing pictures as PNG files in the exact layout the game expects.
#pragma once

#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>

enum class PngLayout { rgb, rgba };

// Plain 8-bit pixels, row by row, 3 or 4 bytes each (R, G, B[, A]).
struct Pixels {
    int width = 0;
    int height = 0;
    int channels = 4;
    std::vector<std::uint8_t> data;

    std::uint8_t* at(int x, int y) {
        return &data[(static_cast<std::size_t>(y) * width + x) * channels];
    }
    const std::uint8_t* at(int x, int y) const {
        return &data[(static_cast<std::size_t>(y) * width + x) * channels];
    }
};

// Cairo keeps ARGB32 premultiplied in native byte order: this undoes both and
// gives straight R, G, B, A (or R, G, B with the alpha dropped).
Pixels pixels_from_surface(cairo_surface_t* surface, PngLayout layout);

// Writes the pixels as an 8-bit RGB (colour type 2) or RGBA (colour type 6)
// PNG, whatever the alpha values are. Throws std::runtime_error on failure.
void write_png(const std::string& path, const Pixels& pixels);

void write_png(const std::string& path, cairo_surface_t* surface, PngLayout layout);
