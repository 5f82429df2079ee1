// The PNG loader on any bytes, through the stream layer (load_pixmap of a
// URL, as every picture of the game is loaded), then the decoded picture
// made into images the way the game makes them: keyed, and cut into cells.
#include "graphics/image.h"
#include "graphics/images.h"
#include "graphics/pixmap_loader.h"
#include "tests/fuzz/crc_fixup.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        fuzz_display();
        set_mask_color(255, 0, 255);
        return true;
    }();
    (void)ready;
    serve_input(data, size);
    PixmapRef pixmap = load_pixmap("fuzz::picture.png");
    if (!pixmap) return 0;
    int bytes = format_bytes(pixmap->format);
    if (pixmap->width <= 0 || pixmap->height <= 0 || bytes == 0 ||
        pixmap->pitch < pixmap->width * bytes || !pixmap->pixels)
        fuzz_fail("decoded picture with impossible dimensions");
    // Keying and cutting walk every pixel again; past a million pixels that
    // only slows the search without reaching new code.
    if (static_cast<long long>(pixmap->width) * pixmap->height > (1 << 20)) return 0;
    ImageRef image = load_image(pixmap, -1);
    draw_image(image, 0, 0, 0);
    ImageRef cells = TImage::load_strip(pixmap, 40, 40, 0, 11, IMAGE_MASKED, 255, 0, 255);
    draw_image(cells, 0, 0, 10);
    return 0;
}

#ifdef ORVESSA_LIBFUZZER
// libpng refuses critical chunks whose CRC is wrong, so most mutations get
// their chunk CRCs made right again before the loader sees them.
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t max_size);
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t max_size, unsigned int seed) {
    size = LLVMFuzzerMutate(data, size, max_size);
    if (seed % 8 != 0) fix_png_chunk_crcs(data, size);
    return size;
}
#endif
