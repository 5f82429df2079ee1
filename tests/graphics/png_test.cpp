// The PNG loader: every colour type it accepts, and the data it must refuse.
#include "graphics/images.h"
#include "graphics/pixmap_loader.h"
#include "graphics/startup.h"
#include "system/embedded.h"
#include "tests/graphics/png_writer.h"
#include "tests/support/peak_memory.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

namespace {

class PngLoading : public testing::Test {
  protected:
    void SetUp() override { graphics_startup(); }
    PixmapRef load(const PngSpec& spec) {
        return load_pixmap(folder_.write("p.png", png_bytes(spec)));
    }
    ScratchFolder folder_;
};

std::uint32_t be32(const std::string& bytes, std::size_t at) {
    return std::uint32_t(std::uint8_t(bytes[at])) << 24 |
           std::uint32_t(std::uint8_t(bytes[at + 1])) << 16 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 8 | std::uint8_t(bytes[at + 3]);
}

void put_be32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

} // namespace

TEST_F(PngLoading, ColourTypesBecomeTheMatchingFormats) {
    PngSpec grey;
    grey.width = 2;
    grey.color_type = PNG_COLOR_TYPE_GRAY;
    grey.rows = {10, 250};
    PixmapRef g = load(grey);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->format, FORMAT_I8);
    EXPECT_EQ(g->pixels[1], 250);

    PixmapRef rgb = load(rgb_picture(3, 2, [](int x, int y) { return 0x102030u + x + 16 * y; }));
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->format, FORMAT_RGB888);
    EXPECT_EQ(rgb->pitch, 12); // rows aligned to 4 bytes
    EXPECT_EQ(rgb->read_pixel(2, 1), 0xff102042u);

    PngSpec grey_alpha;
    grey_alpha.width = 1;
    grey_alpha.color_type = PNG_COLOR_TYPE_GRAY_ALPHA;
    grey_alpha.rows = {60, 128};
    PixmapRef ga = load(grey_alpha);
    ASSERT_TRUE(ga);
    EXPECT_EQ(ga->format, FORMAT_RGBA8888);
    EXPECT_EQ(ga->read_pixel(0, 0), 0x803c3c3cu);
}

TEST_F(PngLoading, PalettesLowDepthsAndSixteenBitSamplesBecomeEightBits) {
    PngSpec palette;
    palette.width = 4;
    palette.color_type = PNG_COLOR_TYPE_PALETTE;
    palette.bit_depth = 2;
    palette.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
    palette.rows = {0b00011011}; // indices 0, 1, 2, 3
    PixmapRef p = load(palette);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->format, FORMAT_RGB888);
    EXPECT_EQ(p->read_pixel(2, 0), 0xff0000ffu);
    EXPECT_EQ(p->read_pixel(3, 0), 0xff090909u);

    palette.alpha = {0, 255}; // a transparency chunk gives an alpha channel
    PixmapRef pa = load(palette);
    ASSERT_TRUE(pa);
    EXPECT_EQ(pa->format, FORMAT_RGBA8888);
    EXPECT_EQ(pa->read_pixel(0, 0), 0x00ff0000u);
    EXPECT_EQ(pa->read_pixel(2, 0), 0xff0000ffu);

    PngSpec one_bit;
    one_bit.width = 3;
    one_bit.color_type = PNG_COLOR_TYPE_GRAY;
    one_bit.bit_depth = 1;
    one_bit.rows = {0b10100000};
    PixmapRef b = load(one_bit);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->format, FORMAT_I8);
    EXPECT_EQ(b->pixels[0], 255);
    EXPECT_EQ(b->pixels[1], 0);

    PngSpec deep;
    deep.width = 1;
    deep.bit_depth = 16;
    deep.rows = {0x12, 0x34, 0xab, 0xcd, 0xff, 0xff};
    PixmapRef d = load(deep);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->read_pixel(0, 0), 0xff12abffu);
}

TEST_F(PngLoading, InterlacedPicturesAreWhole) {
    PngSpec spec = rgb_picture(13, 11, [](int x, int y) { return std::uint32_t(x * 19 + y * 7); });
    spec.interlaced = true;
    PixmapRef p = load(spec);
    ASSERT_TRUE(p);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 13; ++x) ASSERT_EQ(p->read_pixel(x, y), 0xff000000u | (x * 19 + y * 7));
}

TEST_F(PngLoading, MissingTruncatedAndGarbageDataGiveNull) {
    std::string good =
        png_bytes(rgb_picture(64, 64, [](int x, int y) { return std::uint32_t(x * y * 977); }));
    EXPECT_FALSE(load_pixmap(folder_.file("absent.png")));
    EXPECT_FALSE(load_pixmap(folder_.write("empty.png", "")));
    EXPECT_FALSE(load_pixmap(folder_.write("sig.png", good.substr(0, 8))));
    EXPECT_FALSE(load_pixmap(folder_.write("seven.png", good.substr(0, 7))));
    for (std::size_t cut : {20u, 33u, 60u, 200u, static_cast<unsigned>(good.size() - 20)})
        EXPECT_FALSE(load_pixmap(folder_.write("cut.png", good.substr(0, cut)))) << cut;
    std::string garbage(4000, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 31 + 7);
    EXPECT_FALSE(load_pixmap(folder_.write("garbage.png", garbage)));
    // A PNG signature followed by garbage.
    EXPECT_FALSE(load_pixmap(folder_.write("sig-garbage.png", good.substr(0, 8) + garbage)));
    // Damage in the compressed data.
    std::string damaged = good;
    for (std::size_t i = 60; i < 120 && i < damaged.size(); ++i)
        damaged[i] = static_cast<char>(~damaged[i]);
    EXPECT_FALSE(load_pixmap(folder_.write("damaged.png", damaged)));
    EXPECT_FALSE(load_image(folder_.write("garbage2.png", garbage), -1));
    EXPECT_TRUE(load_pixmap(folder_.write("good.png", good)));
}

TEST_F(PngLoading, EnormousDimensionsAreRefusedBeforeAnythingIsAllocated) {
    // The header says 100000 x 100000 RGBA (40 GB); the data is that of a
    // 1 x 1 picture. Making the pixmap would fail loudly; the loader must
    // refuse quietly instead.
    PngSpec small;
    small.color_type = PNG_COLOR_TYPE_RGB_ALPHA;
    small.rows = {1, 2, 3, 4};
    std::string bytes = png_bytes(small);
    ASSERT_EQ(bytes.substr(12, 4), "IHDR");
    put_be32(bytes, 16, 100000);
    put_be32(bytes, 20, 100000);
    put_be32(bytes, 29,
             static_cast<std::uint32_t>(
                 crc32(0, reinterpret_cast<const Bytef*>(bytes.data() + 12), 17)));
    ASSERT_EQ(be32(bytes, 16), 100000u);
    EXPECT_FALSE(load_pixmap(folder_.write("huge.png", bytes)));
    // Just beyond the largest side accepted, too.
    put_be32(bytes, 16, 8193);
    put_be32(bytes, 20, 1);
    put_be32(bytes, 29,
             static_cast<std::uint32_t>(
                 crc32(0, reinterpret_cast<const Bytef*>(bytes.data() + 12), 17)));
    EXPECT_FALSE(load_pixmap(folder_.write("wide.png", bytes)));

    // The largest side accepted, 8192 x 8192 (256 MB of pixels), from a file
    // of a few dozen bytes: refused when its data runs out, having taken
    // memory for no more than the rows it delivered.
    put_be32(bytes, 16, 8192);
    put_be32(bytes, 20, 8192);
    put_be32(bytes, 29,
             static_cast<std::uint32_t>(
                 crc32(0, reinterpret_cast<const Bytef*>(bytes.data() + 12), 17)));
    std::string promise = folder_.write("promise.png", bytes);
    restart_peak_memory();
    long before = peak_resident_kb();
    EXPECT_FALSE(load_pixmap(promise));
    EXPECT_LT(peak_resident_kb() - before, 64 * 1024) << "kB taken by an empty promise";
}

TEST_F(PngLoading, EmbeddedPicturesLoadThroughTheStreams) {
    static const std::string bytes =
        png_bytes(rgb_picture(2, 1, [](int x, int) { return x ? 0xffffffu : 0u; }));
    register_embedded_file("two.png", bytes.data(), static_cast<int>(bytes.size()));
    PixmapRef p = load_pixmap("incbin::two.png");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->read_pixel(1, 0), 0xffffffffu);
    EXPECT_FALSE(load_pixmap("incbin::none.png"));
}
