#include "tests/fuzz/crc_fixup.h"

#include <cstring>

namespace {

// Ogg's CRC-32: polynomial 0x04c11db7, most significant bit first, no
// reflection, starting at 0 and not inverted at the end.
std::uint32_t ogg_crc(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= static_cast<std::uint32_t>(data[i]) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    return crc;
}

// PNG's (and zip's) CRC-32: reflected polynomial 0xedb88320, inverted.
std::uint32_t png_crc(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xffffffffu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xedb88320u : crc >> 1;
    }
    return crc ^ 0xffffffffu;
}

} // namespace

void fix_ogg_page_crcs(std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    while (at + 27 <= size) {
        if (std::memcmp(data + at, "OggS", 4) != 0) {
            ++at;
            continue;
        }
        std::size_t segments = data[at + 26];
        if (at + 27 + segments > size) return;
        std::size_t length = 27 + segments;
        for (std::size_t s = 0; s < segments; ++s) length += data[at + 27 + s];
        if (at + length > size) return;
        std::memset(data + at + 22, 0, 4);
        std::uint32_t crc = ogg_crc(data + at, length);
        for (int i = 0; i < 4; ++i) data[at + 22 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
        at += length;
    }
}

void fix_png_chunk_crcs(std::uint8_t* data, std::size_t size) {
    std::size_t at = 8;
    while (at + 12 <= size) {
        std::size_t length = (std::size_t(data[at]) << 24) | (std::size_t(data[at + 1]) << 16) |
                             (std::size_t(data[at + 2]) << 8) | data[at + 3];
        if (length > size - at - 12) return;
        std::uint32_t crc = png_crc(data + at + 4, length + 4);
        std::uint8_t* field = data + at + 8 + length;
        for (int i = 0; i < 4; ++i) field[i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        at += 12 + length;
    }
}
