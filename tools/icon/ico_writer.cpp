#include "tools/icon/ico_writer.h"

#include <cstdint>

namespace {

void put16(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xff);
    out += static_cast<char>((value >> 8) & 0xff);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

std::uint32_t big_endian32(const std::string& bytes, size_t at) {
    std::uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Width and height from the PNG's header chunk, which comes first.
bool png_size(const std::string& png, std::uint32_t& width, std::uint32_t& height) {
    static const std::string signature("\x89PNG\r\n\x1a\n", 8);
    if (png.size() < 24 || png.compare(0, 8, signature) != 0 || png.compare(12, 4, "IHDR") != 0)
        return false;
    width = big_endian32(png, 16);
    height = big_endian32(png, 20);
    return true;
}

} // namespace

std::string ico_from_pngs(const std::vector<std::string>& pngs, std::string* why) {
    std::string header;
    put16(header, 0); // reserved
    put16(header, 1); // an icon, not a cursor
    put16(header, static_cast<unsigned>(pngs.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * pngs.size());
    std::string pictures;
    for (size_t i = 0; i < pngs.size(); ++i) {
        std::uint32_t width = 0, height = 0;
        if (!png_size(pngs[i], width, height) || width < 1 || width > 256 || height < 1 ||
            height > 256) {
            if (why) *why = "picture " + std::to_string(i + 1) + " is no PNG of 1 to 256 pixels";
            return {};
        }
        header += static_cast<char>(width & 0xff); // 256 is written as 0
        header += static_cast<char>(height & 0xff);
        header += '\0'; // no palette
        header += '\0';
        put16(header, 1);  // colour planes
        put16(header, 32); // bits a pixel
        put32(header, static_cast<std::uint32_t>(pngs[i].size()));
        put32(header, offset);
        offset += static_cast<std::uint32_t>(pngs[i].size());
        pictures += pngs[i];
    }
    return header + pictures;
}
