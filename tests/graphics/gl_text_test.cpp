// Text on the OpenGL driver, read back pixel by pixel.
#include "graphics/draw_state.h"
#include "graphics/gl_api.h"
#include "graphics/text.h"
#include "system/embedded.h"
#include "tests/graphics/gl_display.h"
#include "tests/graphics/gl_watch.h"

using GLText = GLDisplay;

TEST_F(GLText, BuiltInGlyphsLandPixelExactInEightPixelSteps) {
    const EmbeddedFile* file = find_embedded_file("plinthfont.bin");
    ASSERT_TRUE(file);
    const auto* bits = static_cast<const unsigned char*>(file->data);
    clear_frame();
    draw_text("AB", 10, 20);
    PixmapRef shown = screen(0, 0, 40, 50);
    int lit = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 40; ++x) {
            bool expected = false;
            if (x >= 10 && x < 26 && y >= 20 && y < 36) {
                int glyph = (x < 18 ? 'A' : 'B') - 32, column = (x - 10) % 8;
                expected = bits[(y - 20) * 96 + glyph] >> column & 1;
            }
            ASSERT_EQ(shown->read_pixel(x, y), expected ? 0xffffffffu : 0xff000000u)
                << x << "," << y;
            lit += expected;
        }
    }
    EXPECT_GT(lit, 30);
}

TEST_F(GLText, TextTakesTheDrawColour) {
    clear_frame();
    set_color(0, 200, 0);
    draw_text("I", 0, 0);
    PixmapRef shown = screen(0, 0, 8, 16);
    EXPECT_GT(count(shown, 0xff00c800u), 5);
    EXPECT_EQ(count(shown, 0xff00c800u) + count(shown, 0xff000000u), 8 * 16);
}

TEST_F(GLText, ATrueTypeSpaceDrawsNothing) {
    FontRef font = open_font("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 20, FONT_SMOOTH);
    ASSERT_TRUE(font);
    select_font(font);
    set_blend(BLEND_ALPHA);
    clear_frame();
    GLWatch<&GLApi::Begin> begins;
    draw_text(" ", 10, 10);
    EXPECT_EQ(begins.calls(), 0);
    draw_text(" W", 10, 10);
    EXPECT_EQ(begins.calls(), 1);
    // Anti-aliased edges show as partial coverage.
    PixmapRef shown = screen(0, 0, 60, 40);
    int full = count(shown, 0xffffffffu), none = count(shown, 0xff000000u);
    EXPECT_GT(full, 10);
    EXPECT_GT(60 * 40 - full - none, 5);
    EXPECT_GT(text_width(" "), 0);
}
