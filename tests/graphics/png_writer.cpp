#include "tests/graphics/png_writer.h"

#include <png.h>
#include <stdexcept>

namespace {

void append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void flush(png_structp) {}

} // namespace

std::string png_bytes(const PngSpec& spec) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("png write failed");
    }
    png_set_write_fn(png, &out, append, flush);
    png_set_IHDR(png, info, spec.width, spec.height, spec.bit_depth, spec.color_type,
                 spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty()) {
        std::vector<png_color> colours;
        for (std::size_t i = 0; i + 2 < spec.palette.size(); i += 3)
            colours.push_back({spec.palette[i], spec.palette[i + 1], spec.palette[i + 2]});
        png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    }
    if (!spec.alpha.empty())
        png_set_tRNS(png, info, spec.alpha.data(), static_cast<int>(spec.alpha.size()), nullptr);
    png_write_info(png, info);
    std::size_t row_bytes = png_get_rowbytes(png, info);
    std::vector<png_bytep> rows;
    auto* data = const_cast<std::uint8_t*>(spec.rows.data());
    for (int y = 0; y < spec.height; ++y) rows.push_back(data + y * row_bytes);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}
