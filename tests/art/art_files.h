// Reading the generated files back the way a player's machine would see them:
// PNGs through libpng, WAVs by their header, Ogg through vorbisfile.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

std::string assets_dir();
std::string chars_dir();
std::string program_dir();
std::vector<int> character_ids();

struct Picture {
    int width = 0, height = 0;
    int colour_type = -1; // as stored in the file: 2 RGB, 6 RGBA
    int bit_depth = 0;
    int channels = 0; // 3 or 4, as stored
    std::vector<std::uint8_t> pixels;

    const std::uint8_t* at(int x, int y) const {
        return &pixels[(static_cast<std::size_t>(y) * width + x) * channels];
    }
    int alpha(int x, int y) const { return channels == 4 ? at(x, y)[3] : 255; }
    // Perceived lightness 0..255 of the pixel's colour.
    double luma(int x, int y) const {
        const std::uint8_t* p = at(x, y);
        return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
    }
    bool is_mask(int x, int y) const {
        const std::uint8_t* p = at(x, y);
        return p[0] == 255 && p[1] == 0 && p[2] == 255;
    }
};

// Reads a PNG; an empty picture (width 0) when it cannot be read.
Picture read_png(const std::string& path);

struct Sound {
    int channels = 0, rate = 0, bits = 0, format = 0;
    std::vector<float> samples; // interleaved, full scale = 1

    std::size_t frames() const { return channels ? samples.size() / channels : 0; }
    float at(std::size_t frame, int channel) const { return samples[frame * channels + channel]; }
    double seconds() const { return rate ? static_cast<double>(frames()) / rate : 0; }
};

// Reads a canonical PCM WAV; channels 0 when it cannot be read.
Sound read_wav(const std::string& path);
// Decodes a whole Ogg Vorbis file; channels 0 when it cannot be read.
Sound read_ogg(const std::string& path);

std::string read_file(const std::string& path);

} // namespace art
