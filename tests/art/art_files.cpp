#include "art_files.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <png.h>
#include <sstream>
#include <vorbis/vorbisfile.h>

namespace art {

std::string assets_dir() {
    return ORVESSA_ASSETS_DIR;
}
std::string chars_dir() {
    return ORVESSA_CHARS_DIR;
}
std::string program_dir() {
    return ORVESSA_PROGRAM_DIR;
}

std::vector<int> character_ids() {
    std::vector<int> ids;
    std::stringstream list(ORVESSA_CHARACTER_IDS);
    std::string id;
    while (std::getline(list, id, ','))
        if (!id.empty()) ids.push_back(std::stoi(id));
    return ids;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Picture read_png(const std::string& path) {
    Picture p;
    std::string bytes = read_file(path);
    if (bytes.size() < 33 || bytes.compare(1, 3, "PNG") != 0) return p;
    auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) << 24) |
               (static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 16) |
               (static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 2])) << 8) |
               static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 3]));
    };
    p.bit_depth = static_cast<unsigned char>(bytes[24]);
    p.colour_type = static_cast<unsigned char>(bytes[25]);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
    p.channels = p.colour_type == 6 ? 4 : 3;
    image.format = p.channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    p.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, p.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    p.width = static_cast<int>(be32(16));
    p.height = static_cast<int>(be32(20));
    return p;
}

Sound read_wav(const std::string& path) {
    Sound s;
    std::string b = read_file(path);
    auto le16 = [&](std::size_t at) {
        return static_cast<int>(static_cast<unsigned char>(b[at]) |
                                (static_cast<unsigned char>(b[at + 1]) << 8));
    };
    auto le32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(le16(at)) |
               (static_cast<std::uint32_t>(le16(at + 2)) << 16);
    };
    if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 8, "WAVEfmt ") != 0) return s;
    std::size_t fmt_length = le32(16);
    s.format = le16(20);
    int channels = le16(22);
    s.rate = static_cast<int>(le32(24));
    s.bits = le16(34);
    std::size_t at = 20 + fmt_length;
    while (at + 8 <= b.size()) {
        std::uint32_t size = le32(at + 4);
        if (b.compare(at, 4, "data") == 0) {
            if (at + 8 + size > b.size() || s.bits != 16) return s;
            s.channels = channels;
            for (std::size_t i = 0; i < size / 2; ++i)
                s.samples.push_back(static_cast<std::int16_t>(le16(at + 8 + 2 * i)) / 32768.0f);
            return s;
        }
        at += 8 + size;
    }
    return s;
}

Sound read_ogg(const std::string& path) {
    Sound s;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return s;
    vorbis_info* info = ov_info(&file, -1);
    int channels = info->channels;
    s.rate = static_cast<int>(info->rate);
    s.bits = 16;
    for (;;) {
        float** pcm = nullptr;
        int section = 0;
        long n = ov_read_float(&file, &pcm, 4096, &section);
        if (n < 0) {
            ov_clear(&file);
            return {};
        }
        if (n == 0) break;
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < channels; ++c) s.samples.push_back(pcm[c][i]);
    }
    ov_clear(&file);
    s.channels = channels;
    return s;
}

} // namespace art
