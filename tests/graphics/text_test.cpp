// Text over the recording driver: glyph placement, advances and skipping.
#include "graphics/display.h"
#include "graphics/draw_state.h"
#include "graphics/glyph_font.h"
#include "graphics/image.h"
#include "graphics/text.h"
#include "system/embedded.h"
#include "tests/support/recording_render_driver.h"

#include <gtest/gtest.h>

namespace {

// A source font with one glyph, for 'x': a 2 x 3 picture offset (3, 5)
// from the pen, advancing 7 pixels; and one without pixels, for ' '.
class TFakeGlyph : public TGlyph {
  public:
    TFakeGlyph(bool picture) : picture_(picture) {}
    PixmapRef pixels() override { return picture_ ? create_pixmap(2, 3, FORMAT_A8, 4) : nullptr; }
    float advance() override { return picture_ ? 7.0f : 4.5f; }
    void get_rect(int& x, int& y, int& w, int& h) override {
        x = picture_ ? 3 : 0, y = picture_ ? 5 : 0, w = picture_ ? 2 : 0, h = picture_ ? 3 : 0;
    }

  private:
    bool picture_;
};

class TFakeFont : public TFont {
  public:
    int loads = 0;
    int style() override { return 4; }
    int height() override { return 21; }
    int count_glyphs() override { return 2; }
    int char_to_glyph(int code) override { return code == 'x' ? 0 : code == ' ' ? 1 : -1; }
    GlyphRef load_glyph(int index) override {
        ++loads;
        return std::make_shared<TFakeGlyph>(index == 0);
    }
};

FontRef fake_font(std::shared_ptr<TFakeFont> source) {
    auto font = std::make_shared<TGlyphFont>();
    font->src_font = source;
    font->glyphs.resize(2);
    font->glyph_flags = IMAGE_FILTERED | IMAGE_MIPMAPPED;
    return font;
}

} // namespace

TEST(BuiltInFont, PlacesEightPixelCellsSideBySide) {
    TRecordingRenderDriver::Scope scope;
    TRecordingRenderDriver& d = scope.driver();
    draw_text("AB", 10, 20);
    std::vector<RenderCall> draws = d.named("frame_draw");
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].text(), "frame_draw(0,0,8,16,10,20)");
    EXPECT_EQ(draws[1].text(), "frame_draw(0,0,8,16,18,20)");
    // Codes outside 32..127 are skipped without advancing.
    d.clear();
    draw_text(std::u16string(u"A\u0001\u00e9\u4e00B"), 0, 0);
    draws = d.named("frame_draw");
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].args[4], 8.0f);
    EXPECT_EQ(text_width("AB\x01"), 16);
    EXPECT_EQ(text_height(), 16);
}

TEST(BuiltInFont, GlyphsComeFromTheEmbeddedBitmap) {
    TRecordingRenderDriver::Scope scope;
    const EmbeddedFile* file = find_embedded_file("plinthfont.bin");
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size, 1536);
    draw_text("A", 0, 0);
    PixmapRef a = scope.driver().last("frame_draw").pixmap;
    ASSERT_TRUE(a);
    ASSERT_EQ(a->width, 8);
    ASSERT_EQ(a->height, 16);
    const auto* bits = static_cast<const unsigned char*>(file->data);
    int set = 0;
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 8; ++column) {
            bool on = bits[row * 96 + ('A' - 32)] >> column & 1;
            EXPECT_EQ(a->read_pixel(column, row), on ? 0xffffffffu : 0u) << row << "," << column;
            set += on;
        }
    }
    EXPECT_GT(set, 10);
}

TEST(BuiltInFont, CapitalsStandOnRowsTwoToTenAndDescendersReachTwelve) {
    const EmbeddedFile* file = find_embedded_file("plinthfont.bin");
    ASSERT_TRUE(file);
    const auto* bits = static_cast<const unsigned char*>(file->data);
    auto rows_of = [&](char c) {
        int top = 16, bottom = -1;
        for (int row = 0; row < 16; ++row)
            if (bits[row * 96 + (c - 32)]) top = std::min(top, row), bottom = std::max(bottom, row);
        return std::pair{top, bottom};
    };
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (c == 'Q') continue; // its tail may dip
        EXPECT_EQ(rows_of(c), (std::pair{2, 10})) << c;
    }
    for (char c : std::string("gjpqy")) EXPECT_EQ(rows_of(c).second, 12) << c;
    EXPECT_EQ(rows_of(' ').second, -1);
    // Every printable character has a picture.
    for (char c = '!'; c <= '~'; ++c) EXPECT_GE(rows_of(c).second, 0) << c;
}

TEST(GlyphFont, OffsetsFollowTheMatrixAndAreCutToWholePixels) {
    TRecordingRenderDriver::Scope scope;
    TRecordingRenderDriver& d = scope.driver();
    auto source = std::make_shared<TFakeFont>();
    select_font(fake_font(source));
    set_scale(1.5f, 1.5f);
    d.clear();
    draw_text("x x", 10, 20);
    std::vector<RenderCall> draws = d.named("frame_draw");
    ASSERT_EQ(draws.size(), 2u); // the space draws nothing
    // (3, 5) * 1.5 = (4.5, 7.5), cut to (4, 7); the picture keeps its size.
    EXPECT_EQ(draws[0].text(), "frame_draw(0,0,2,3,14,27)");
    // Pen after 'x' and ' ': 10 + (7 + 4.5) * 1.5 = 27.25.
    EXPECT_EQ(draws[1].text(), "frame_draw(0,0,2,3,31.25,27)");
    // Glyphs are rasterised once and keep the font's image flags.
    EXPECT_EQ(source->loads, 2);
    EXPECT_EQ(d.last("create_frame").image_flags, IMAGE_FILTERED | IMAGE_MIPMAPPED);
    // Width sums the advances, cutting after each step; height is the font's.
    EXPECT_EQ(text_width("x x?"), 18);
    EXPECT_EQ(text_height(), 21);
    select_font(nullptr);
    EXPECT_EQ(text_height(), 16);
}

TEST(GlyphFont, DrawTextAddsTheOriginAndTheTransformedHandle) {
    TRecordingRenderDriver::Scope scope;
    TRecordingRenderDriver& d = scope.driver();
    set_origin(100, 200);
    set_handle(4, 2); // stored as (-4, -2)
    set_scale(2, 2);
    d.clear();
    draw_text("A", 10, 20);
    EXPECT_EQ(d.last("frame_draw").text(), "frame_draw(0,0,8,16,102,216)");
}
