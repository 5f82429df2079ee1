// PNG pictures, decoded by libpng while reading through our streams.
#include "graphics/png_loader.h"

#include "system/runtime_error.h"

#include <algorithm>
#include <csetjmp>
#include <memory>
#include <png.h>
#include <vector>

namespace {

// Larger pictures are refused before anything is allocated for them: a
// damaged or hostile header must not make us reserve gigabytes.
constexpr png_uint_32 largest_side = 8192;

// Everything that outlives a libpng error lives here, in the caller's frame,
// because an error leaves the decoding frame by longjmp.
struct Decoding {
    TByteStream* stream = nullptr;
    PixmapRef pixmap;
    std::vector<png_bytep> rows;
    std::unique_ptr<png_byte[]> grey_alpha;
};

// Up to count bytes; fewer only at the end of the stream.
int read_up_to(TByteStream& stream, png_bytep buffer, int count) {
    int got = 0;
    while (got < count && !stream.eof()) {
        int n = stream.read(buffer + got, count - got);
        if (n <= 0) break;
        got += n;
    }
    return got;
}

void read_from_stream(png_structp png, png_bytep buffer, png_size_t length) {
    auto* decoding = static_cast<Decoding*>(png_get_io_ptr(png));
    bool complete = false;
    try {
        complete = read_up_to(*decoding->stream, buffer, static_cast<int>(length)) ==
                   static_cast<int>(length);
    } catch (const TStreamError&) {
        complete = false;
    }
    if (!complete) png_error(png, "short read");
}

// Quietly give up: a picture that cannot be decoded is simply not loaded.
[[noreturn]] void on_error(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void on_warning(png_structp, png_const_charp) {}

// Returns false for data this loader does not turn into a pixmap. Objects
// with destructors must not be made here (libpng may longjmp out).
bool decode(png_structp png, png_infop info, Decoding* out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, out, read_from_stream);
    png_set_sig_bytes(png, 8);
    png_set_user_limits(png, largest_side, largest_side);
    png_read_info(png, info);
    png_set_strip_16(png);
    png_set_expand(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_bit_depth(png, info) != 8) return false;
    int width = static_cast<int>(png_get_image_width(png, info));
    int height = static_cast<int>(png_get_image_height(png, info));
    int color_type = png_get_color_type(png, info);
    int format = 0;
    switch (color_type) {
    case PNG_COLOR_TYPE_GRAY:
        format = FORMAT_I8;
        break;
    case PNG_COLOR_TYPE_RGB:
        format = FORMAT_RGB888;
        break;
    case PNG_COLOR_TYPE_RGB_ALPHA:
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        format = FORMAT_RGBA8888;
        break;
    default:
        return false;
    }
    // Nothing is cleared ahead: the decoder fills every row as its data
    // arrives, so a file that promises a huge picture and ends early has
    // taken memory only for the rows it delivered.
    out->pixmap = TPixmap::create_unfilled(width, height, format, 4);
    out->rows.resize(static_cast<std::size_t>(height));
    if (color_type == PNG_COLOR_TYPE_GRAY_ALPHA) {
        out->grey_alpha =
            std::unique_ptr<png_byte[]>(new png_byte[static_cast<std::size_t>(width) * 2 * height]);
        for (int y = 0; y < height; ++y)
            out->rows[y] = &out->grey_alpha[std::size_t(y) * width * 2];
    } else {
        for (int y = 0; y < height; ++y) out->rows[y] = out->pixmap->pixel_ptr(0, y);
    }
    const int row_bytes = width * format_bytes(format);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y) {
            // The bytes that align a row are no pixel's: clear them when the
            // row is first reached.
            if (pass == 0) {
                std::uint8_t* row = out->pixmap->pixel_ptr(0, y);
                std::fill(row + row_bytes, row + out->pixmap->pitch, std::uint8_t{0});
            }
            png_read_row(png, out->rows[y], nullptr);
        }
    }
    if (color_type == PNG_COLOR_TYPE_GRAY_ALPHA) {
        for (int y = 0; y < height; ++y) {
            const png_byte* in = out->rows[y];
            std::uint8_t* pixel = out->pixmap->pixel_ptr(0, y);
            for (int x = 0; x < width; ++x, in += 2, pixel += 4)
                pixel[0] = pixel[1] = pixel[2] = in[0], pixel[3] = in[1];
        }
    }
    return true;
}

} // namespace

PixmapRef TPngDecoder::load_pixmap(const StreamRef& stream) {
    png_byte signature[8];
    if (!stream || read_up_to(*stream, signature, 8) != 8 || png_sig_cmp(signature, 0, 8) != 0)
        return nullptr;
    Decoding decoding;
    decoding.stream = stream.get();
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
    if (!png) return nullptr;
    png_infop info = png_create_info_struct(png);
    bool decoded = info && decode(png, info, &decoding);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return decoded ? decoding.pixmap : nullptr;
}

PixmapRef load_pixmap_png(const StreamRef& stream) {
    return TPngDecoder().load_pixmap(stream);
}
