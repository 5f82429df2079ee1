// A scaled window on the real driver: the game's 640 x 480 picture shown at
// whole multiples as blocks, letterboxed at other sizes, and read back the
// same whatever the window's size.
#include "graphics/display.h"
#include "graphics/draw_state.h"
#include "graphics/gl_display_driver.h"
#include "graphics/images.h"
#include "graphics/render_driver.h"
#include "graphics/startup.h"
#include "platform/internal.h"
#include "tests/graphics/png_writer.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

// Opens the display as a window of `scale` times the picture.
TGLGraphics& open_scaled(int scale) {
    graphics_startup();
    platform::set_presentation({false, scale});
    DrawStateRef display = open_display(640, 480, 0, 60, 0);
    EXPECT_TRUE(display);
    set_blend(BLEND_ALPHA);
    return dynamic_cast<TGLGraphics&>(*display->graphics);
}

// Every logical pixel its own colour near the top-left, flat quarters of
// four colours elsewhere, a translucent oval and a picture over both.
void draw_picture(const ScratchFolder& folder) {
    clear_frame();
    const int quarter[4][3] = {{200, 40, 40}, {40, 200, 40}, {40, 40, 200}, {200, 200, 40}};
    for (int q = 0; q < 4; ++q) {
        set_color(quarter[q][0], quarter[q][1], quarter[q][2]);
        draw_rect(static_cast<float>(320 * (q % 2)), static_cast<float>(240 * (q / 2)), 320, 240);
    }
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            set_color(x * 10, y * 10, (x ^ y) * 8);
            draw_rect(static_cast<float>(x), static_cast<float>(y), 1, 1);
        }
    set_color(255, 255, 255);
    set_alpha(0.5f);
    draw_oval(100, 300, 180, 90);
    set_alpha(1);
    ImageRef picture = load_image(
        folder.write("p.png", png_bytes(rgb_picture(50, 30,
                                                    [](int x, int y) {
                                                        return std::uint32_t(x * 5) << 16 |
                                                               std::uint32_t(y * 8) << 8 | 99;
                                                    }))),
        -1);
    draw_image(picture, 400, 300, 0);
}

PixmapRef shown(TGLGraphics& display) {
    display.compositor().show(display.window());
    return display.compositor().read_window(display.window());
}

} // namespace

TEST(ScaledWindow, PicturesFitCentredInTheirShapeAndShareAWholeMultiple) {
    auto fits = [](int w, int h) { return platform::fit_picture(w, h, 640, 480); };
    platform::PictureRect wide = fits(1920, 1080);
    EXPECT_EQ(wide.x, 240);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.height, 1080);
    EXPECT_EQ(wide.whole, 2);
    EXPECT_EQ(fits(1280, 960).whole, 2);
    EXPECT_EQ(fits(1280, 960).x, 0);
    platform::PictureRect tall = fits(500, 700); // narrower than the picture
    EXPECT_EQ(tall.width, 500);
    EXPECT_EQ(tall.height, 375);
    EXPECT_EQ(tall.y, 162);
    EXPECT_EQ(tall.whole, 0);
}

TEST(ScaledWindow, WholeMultiplesAreBlocksOtherSizesSmoothAndCapturesDoNotChange) {
    ScratchFolder folder;
    TGLGraphics& at_one = open_scaled(1);
    draw_picture(folder);
    const PixmapRef logical = render_driver()->capture_pixmap(0, 0, 640, 480);
    PixmapRef window = shown(at_one);
    ASSERT_EQ(window->width, 640);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            ASSERT_EQ(window->read_pixel(x, y), logical->read_pixel(x, y));

    // Twice the size: every logical pixel a 2 x 2 block of itself.
    TGLGraphics& at_two = open_scaled(2);
    draw_picture(folder);
    window = shown(at_two);
    ASSERT_EQ(window->width, 1280);
    ASSERT_EQ(window->height, 960);
    for (int y = 0; y < 960; ++y)
        for (int x = 0; x < 1280; ++x)
            ASSERT_EQ(window->read_pixel(x, y), logical->read_pixel(x / 2, y / 2)) << x << "," << y;

    // Three times: the same picture read back.
    open_scaled(3);
    draw_picture(folder);
    const PixmapRef again = render_driver()->capture_pixmap(0, 0, 640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) ASSERT_EQ(again->read_pixel(x, y), logical->read_pixel(x, y));

    // Full screen on this driver's 1024 x 768 desktop: 1.6 times, smoothly,
    // flat parts of the picture the same colour.
    graphics_startup();
    platform::set_presentation({true, 0});
    DrawStateRef full = open_display(640, 480, 0, 60, 0);
    ASSERT_TRUE(full);
    set_blend(BLEND_ALPHA);
    draw_picture(folder);
    TGLGraphics& desktop = dynamic_cast<TGLGraphics&>(*full->graphics);
    window = shown(desktop);
    ASSERT_EQ(window->width, 1024);
    for (int q = 0; q < 4; ++q) {
        const int lx = 320 * (q % 2) + 200, ly = 240 * (q / 2) + 30;
        EXPECT_EQ(window->read_pixel(lx * 8 / 5, ly * 8 / 5), logical->read_pixel(lx, ly)) << q;
    }
    close_display();
    platform::set_presentation({});
}
