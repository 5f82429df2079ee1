#include "graphics/pixmap.h"
#include "system/runtime_error.h"

#include <gtest/gtest.h>

namespace {

PixmapRef filled(int w, int h, int format, std::uint32_t argb) {
    PixmapRef p = create_pixmap(w, h, format, 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p->write_pixel(x, y, argb);
    return p;
}

} // namespace

TEST(Pixmap, PitchIsTheRowRoundedUpToTheAlignment) {
    EXPECT_EQ(create_pixmap(5, 2, FORMAT_RGB888, 4)->pitch, 16);
    EXPECT_EQ(create_pixmap(4, 2, FORMAT_RGB888, 4)->pitch, 12);
    EXPECT_EQ(create_pixmap(3, 2, FORMAT_I8, 4)->pitch, 4);
    EXPECT_EQ(create_pixmap(3, 2, FORMAT_I8, 1)->pitch, 3);
    PixmapRef p = create_pixmap(5, 3, FORMAT_RGBA8888, 4);
    EXPECT_EQ(p->capacity, 60);
    EXPECT_EQ(p->pixel_ptr(2, 1), p->pixels + 20 + 8);
}

TEST(Pixmap, SizesBeyondTwoGigabytesAreAHardErrorNotAnOverflow) {
    try {
        create_pixmap(100000, 100000, FORMAT_RGBA8888, 4);
        FAIL() << "no error";
    } catch (const TRuntimeError& error) {
        EXPECT_STREQ(error.what(), "Pixmap too large");
    }
    EXPECT_EQ(create_pixmap(-3, 2, FORMAT_I8, 4)->width, 0);
}

TEST(Pixmap, FormatsConvertThroughRgba) {
    // Grey expands to an opaque grey, alpha to white with that alpha.
    EXPECT_EQ(filled(1, 1, FORMAT_I8, 0xff404040)->read_pixel(0, 0), 0xff404040u);
    PixmapRef alpha = create_pixmap(1, 1, FORMAT_A8, 4);
    alpha->pixels[0] = 0x80;
    EXPECT_EQ(alpha->read_pixel(0, 0), 0x80ffffffu);
    // Byte order in memory follows the format's name.
    PixmapRef bgra = filled(1, 1, FORMAT_BGRA8888, 0x80102030);
    EXPECT_EQ(bgra->pixels[0], 0x30);
    EXPECT_EQ(bgra->pixels[1], 0x20);
    EXPECT_EQ(bgra->pixels[2], 0x10);
    EXPECT_EQ(bgra->pixels[3], 0x80);
    PixmapRef rgb = bgra->convert(FORMAT_RGB888);
    EXPECT_EQ(rgb->pixels[0], 0x10);
    EXPECT_EQ(rgb->read_pixel(0, 0), 0xff102030u); // 24-bit formats are opaque
    EXPECT_EQ(bgra->convert(FORMAT_BGR888)->pixels[0], 0x30);
    // Back to grey is the truncated mean; to alpha keeps A.
    EXPECT_EQ(filled(1, 1, FORMAT_RGB888, 0xff0a0b0d)->convert(FORMAT_I8)->pixels[0], 11);
    EXPECT_EQ(filled(1, 1, FORMAT_RGBA8888, 0x7f000000)->convert(FORMAT_A8)->pixels[0], 0x7f);
}

TEST(Pixmap, WindowSharesMemoryAndCopyDoesNot) {
    PixmapRef sheet = filled(8, 4, FORMAT_RGB888, 0xff000000);
    PixmapRef cell = sheet->window(4, 2, 2, 2);
    EXPECT_EQ(cell->capacity, -1);
    EXPECT_EQ(cell->pitch, sheet->pitch);
    cell->write_pixel(1, 1, 0xff123456);
    EXPECT_EQ(sheet->read_pixel(5, 3), 0xff123456u);
    PixmapRef own = cell->copy();
    EXPECT_EQ(own->pitch, 8); // 2 * 3 rounded up to 4
    own->write_pixel(1, 1, 0xff000000);
    EXPECT_EQ(sheet->read_pixel(5, 3), 0xff123456u);
    // A view outside the pixmap is clipped rather than reaching past it.
    PixmapRef edge = sheet->window(6, 3, 5, 5);
    EXPECT_EQ(edge->width, 2);
    EXPECT_EQ(edge->height, 1);
    // The view keeps its pixmap alive.
    sheet.reset();
    EXPECT_EQ(cell->read_pixel(1, 1), 0xff123456u);
}

TEST(Pixmap, PasteConvertsAndClipsAtTheEdges) {
    PixmapRef target = filled(4, 4, FORMAT_RGBA8888, 0);
    PixmapRef grey = filled(3, 3, FORMAT_I8, 0xff808080);
    target->paste(grey, 2, -1);
    EXPECT_EQ(target->read_pixel(2, 0), 0xff808080u);
    EXPECT_EQ(target->read_pixel(3, 1), 0xff808080u);
    EXPECT_EQ(target->read_pixel(2, 2), 0u);
    EXPECT_EQ(target->read_pixel(1, 0), 0u);
    EXPECT_EQ(target->read_pixel(9, 9), 0u); // outside reads as 0
    target->write_pixel(-1, 0, 0xffffffff);  // and writes nowhere
}

TEST(MaskPixmap, KeyPixelsBecomeTransparentWithTheMeanOfTheirNeighbours) {
    // 3 x 2 RGB: the key in the middle of the top row.
    PixmapRef p = create_pixmap(3, 2, FORMAT_RGB888, 4);
    p->write_pixel(0, 0, 0xff0a0000);
    p->write_pixel(1, 0, 0xffff00ff);
    p->write_pixel(2, 0, 0xff140000);
    p->write_pixel(0, 1, 0xff000009);
    p->write_pixel(1, 1, 0xffff00ff);
    p->write_pixel(2, 1, 0xff000000);
    PixmapRef m = mask_pixmap(p, 255, 0, 255);
    ASSERT_EQ(m->format, FORMAT_RGBA8888);
    EXPECT_EQ(m->read_pixel(0, 0), 0xff0a0000u);
    // Neighbours of (1, 0) that are not the key: (0,0), (2,0), (0,1), (2,1).
    // R (10 + 20 + 0 + 0) / 4 = 7, B (0 + 0 + 9 + 0) / 4 = 2.
    EXPECT_EQ(m->read_pixel(1, 0), 0x00070002u);
    EXPECT_EQ(m->read_pixel(1, 1), 0x00070002u);
    // A key pixel with only key neighbours is transparent black.
    PixmapRef all_key = filled(2, 2, FORMAT_RGB888, 0xffff00ff);
    EXPECT_EQ(mask_pixmap(all_key, 255, 0, 255)->read_pixel(1, 1), 0u);
    // Source alpha is dropped for pixels that are not the key.
    EXPECT_EQ(mask_pixmap(filled(1, 1, FORMAT_RGBA8888, 0x10203040), 255, 0, 255)->read_pixel(0, 0),
              0xff203040u);
}

TEST(ResizePixmap, SamplesBilinearlyAtPixelCentres) {
    PixmapRef p = create_pixmap(2, 1, FORMAT_I8, 4);
    p->pixels[0] = 0;
    p->pixels[1] = 100;
    PixmapRef wide = resize_pixmap(p, 4, 1);
    ASSERT_EQ(wide->format, FORMAT_I8);
    // Source x = (i + 0.5) * 0.5 - 0.5: -0.25 (clamped), 0.25, 0.75, 1.25 (clamped).
    EXPECT_EQ(wide->pixels[0], 0);
    EXPECT_EQ(wide->pixels[1], 25);
    EXPECT_EQ(wide->pixels[2], 75);
    EXPECT_EQ(wide->pixels[3], 100);
    // Halving averages pairs: source x = 0.5 between 0 and 100, truncated.
    PixmapRef q = create_pixmap(2, 2, FORMAT_RGBA8888, 4);
    q->write_pixel(0, 0, 0xff000000);
    q->write_pixel(1, 0, 0xff0000ff);
    q->write_pixel(0, 1, 0x00000000);
    q->write_pixel(1, 1, 0xff0000ff);
    EXPECT_EQ(resize_pixmap(q, 1, 1)->read_pixel(0, 0), 0xbf00007fu);
}
