// Writes PNG files for the tests, with libpng's writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PngSpec {
    int width = 1;
    int height = 1;
    int color_type = 2; // PNG_COLOR_TYPE_RGB
    int bit_depth = 8;
    bool interlaced = false;
    std::vector<std::uint8_t> rows;    // height rows of packed samples, no padding
    std::vector<std::uint8_t> palette; // r, g, b triples for palette pictures
    std::vector<std::uint8_t> alpha;   // tRNS entries for palette pictures
};

// The PNG file's bytes.
std::string png_bytes(const PngSpec& spec);

// An RGB picture whose pixel (x, y) is colour(x, y) as 0xRRGGBB.
template <typename Colour> PngSpec rgb_picture(int width, int height, Colour colour) {
    PngSpec spec;
    spec.width = width;
    spec.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t c = colour(x, y);
            spec.rows.push_back(std::uint8_t(c >> 16));
            spec.rows.push_back(std::uint8_t(c >> 8));
            spec.rows.push_back(std::uint8_t(c));
        }
    return spec;
}
