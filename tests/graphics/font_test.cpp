// FreeType fonts: opening, size fallback, glyph pictures and their placement.
#include "graphics/font_source.h"
#include "graphics/freetype_font.h"
#include "graphics/glyph_font.h"
#include "graphics/image.h"
#include "graphics/startup.h"
#include "graphics/text.h"
#include "system/embedded.h"
#include "system/streams.h"
#include "tests/support/recording_render_driver.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

const std::string sans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string tiny_bdf = TEST_DATA "/tiny10.bdf";

std::shared_ptr<TFreeTypeFace> face_of(const FontRef& font) {
    return std::dynamic_pointer_cast<TFreeTypeFace>(font->src_font);
}

} // namespace

TEST(OpenFont, APathOpensTheFileAndAProtocolReadsIntoMemory) {
    graphics_startup();
    FontRef from_file = open_font(sans, 20, FONT_SMOOTH);
    ASSERT_TRUE(from_file);
    EXPECT_TRUE(face_of(from_file)->buffer.empty());
    static const std::string bytes = read_all(open_read_stream(sans));
    ASSERT_FALSE(bytes.empty());
    register_embedded_file("Sans.ttf", bytes.data(), static_cast<int>(bytes.size()));
    FontRef from_memory = open_font("incbin::Sans.ttf", 20, FONT_SMOOTH);
    ASSERT_TRUE(from_memory);
    EXPECT_EQ(face_of(from_memory)->buffer.size(), bytes.size());
    EXPECT_EQ(from_memory->height(), from_file->height());
    EXPECT_EQ(from_memory->style(), FONT_SMOOTH);
    EXPECT_EQ(from_memory->glyph_flags, IMAGE_FILTERED | IMAGE_MIPMAPPED);
    EXPECT_EQ(open_font(sans, 20, 0)->glyph_flags, 0);
    // The metrics are whole pixels of the size asked for.
    auto face = face_of(from_file);
    EXPECT_GT(face->ascend, 14);
    EXPECT_LT(face->descend, 0);
    EXPECT_GE(face->line_height, 20);
    EXPECT_GE(from_file->char_to_glyph('A'), 0);
    EXPECT_EQ(from_file->char_to_glyph(0x10ffff), -1);
}

TEST(OpenFont, UnreadableFontsGiveNull) {
    graphics_startup();
    ScratchFolder folder;
    EXPECT_FALSE(open_font(folder.file("absent.ttf"), 20, 4));
    EXPECT_FALSE(open_font("", 20, 4));
    EXPECT_FALSE(open_font(folder.write("garbage.ttf", std::string(5000, '\x5a')), 20, 4));
    EXPECT_FALSE(open_font(folder.path(), 20, 4)); // a folder
    register_embedded_file("empty.ttf", "", 0);
    EXPECT_FALSE(open_font("incbin::empty.ttf", 20, 4));
    EXPECT_FALSE(open_font("incbin::absent.ttf", 20, 4));
    static const std::string junk(3000, '\x01');
    register_embedded_file("junk.ttf", junk.data(), static_cast<int>(junk.size()));
    EXPECT_FALSE(open_font("incbin::junk.ttf", 20, 4));
    // No size at all is the smallest size, one pixel, not a failure.
    for (int none : {0, -7}) {
        FontRef smallest = open_font(sans, none, 4);
        ASSERT_TRUE(smallest) << none;
        EXPECT_EQ(face_of(smallest)->pixel_size, 1);
    }
}

TEST(OpenFont, ABitmapFaceFallsBackToTheNextSmallerSizeItHas) {
    graphics_startup();
    FontRef font = open_font(tiny_bdf, 12, 0);
    ASSERT_TRUE(font);
    EXPECT_EQ(face_of(font)->ascend, 8);
    EXPECT_FALSE(open_font(tiny_bdf, 9, 0)); // nothing at 9 or below
    // Its glyphs are one bit deep: set bits become full coverage.
    ImageGlyphRef a = font->load_glyph(font->char_to_glyph('A'));
    ASSERT_TRUE(a && a->image);
    EXPECT_EQ(a->advance, 7.0f);
    EXPECT_EQ(a->x, 1);
    EXPECT_EQ(a->y, 8 - 6);
    PixmapRef pixels = a->image->pixmaps[0];
    ASSERT_EQ(pixels->width, 5);
    ASSERT_EQ(pixels->height, 6);
    // Row 3 is F8: all five set; row 0 is 20: only the middle pixel.
    for (int x = 0; x < 5; ++x) EXPECT_EQ(pixels->read_pixel(x, 3), 0xffffffffu) << x;
    EXPECT_EQ(pixels->read_pixel(2, 0), 0xffffffffu);
    EXPECT_EQ(pixels->read_pixel(1, 0), 0x00ffffffu);
}

TEST(TrueTypeText, ASpaceAdvancesWithoutDrawing) {
    TRecordingRenderDriver::Scope scope;
    FontRef font = open_font(sans, 20, FONT_SMOOTH);
    ASSERT_TRUE(font);
    select_font(font);
    ImageGlyphRef space = font->load_glyph(font->char_to_glyph(' '));
    ImageGlyphRef a = font->load_glyph(font->char_to_glyph('a'));
    ASSERT_TRUE(space && a);
    EXPECT_FALSE(space->image);
    EXPECT_GT(space->advance, 0.0f);
    scope.driver().clear();
    draw_text(" ", 0, 0);
    EXPECT_TRUE(scope.driver().calls.empty());
    draw_text("a a", 100, 50);
    std::vector<RenderCall> draws = scope.driver().named("frame_draw");
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].args[4], 100.0f + a->x);
    EXPECT_EQ(draws[0].args[5], 50.0f + a->y);
    EXPECT_EQ(draws[1].args[4], 100.0f + a->advance + space->advance + a->x);
    EXPECT_EQ(text_width("a a"), static_cast<int>(2 * a->advance + space->advance));
    EXPECT_EQ(text_height(), font->height());
}

TEST(TrueTypeText, ScaleTwoDoublesOffsetsAndAdvances) {
    TRecordingRenderDriver::Scope scope;
    FontRef font = open_font(sans, 20, FONT_SMOOTH);
    ASSERT_TRUE(font);
    select_font(font);
    ImageGlyphRef g = font->load_glyph(font->char_to_glyph('g'));
    ASSERT_TRUE(g && g->image);
    set_scale(2, 2);
    scope.driver().clear();
    draw_text("gg", 10, 20);
    std::vector<RenderCall> draws = scope.driver().named("frame_draw");
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].args, (std::vector<float>{0, 0, float(g->width), float(g->height),
                                                 10.0f + 2 * g->x, 20.0f + 2 * g->y}));
    EXPECT_EQ(draws[1].args[4], 10.0f + 2 * g->advance + 2 * g->x);
    // The glyph picture is coverage in white: the draw colour tints it.
    PixmapRef pixels = g->image->pixmaps[0];
    EXPECT_EQ(pixels->format, FORMAT_A8);
    bool partial = false;
    for (int y = 0; y < pixels->height; ++y)
        for (int x = 0; x < pixels->width; ++x)
            partial |= pixels->pixels[y * pixels->pitch + x] % 255 != 0;
    EXPECT_TRUE(partial) << "anti-aliased";
}
