// A scaled window on the real driver: the game's 640 x 480 picture shown at
// whole multiples as blocks, letterboxed at other sizes, and read back the
// same whatever the window's size, by either route: scaled by OpenGL from a
// framebuffer object, or read back and scaled on the CPU.
#include "graphics/display.h"
#include "graphics/draw_state.h"
#include "graphics/gl_display_driver.h"
#include "graphics/gl_render_driver.h"
#include "graphics/images.h"
#include "graphics/render_driver.h"
#include "graphics/startup.h"
#include "platform/internal.h"
#include "system/messages.h"
#include "tests/graphics/png_writer.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using Route = TGLGraphics::Route;

TGLState& driver_state() {
    return std::dynamic_pointer_cast<TGLRenderDriver>(render_driver())->state();
}

// Opens the display as a window of `scale` times the picture (0: full
// screen on the desktop) shown by that route.
TGLGraphics& open_scaled(int scale, Route route) {
    graphics_startup();
    TGLDisplayDriver::instance().prefer_route(route);
    platform::set_presentation({scale == 0, scale});
    DrawStateRef display = open_display(640, 480, 0, 60, 0);
    TGLDisplayDriver::instance().prefer_route(std::nullopt);
    platform::set_presentation({});
    EXPECT_TRUE(display);
    // A window system may size the window after it opens (full screen on
    // X11): a few frames let it, and the back buffers, settle.
    for (int frame = 0; frame < 4; ++frame) {
        pump_messages();
        present_frame(0);
    }
    set_blend(BLEND_ALPHA);
    auto& graphics = dynamic_cast<TGLGraphics&>(*display->graphics);
    EXPECT_EQ(graphics.route(), route);
    return graphics;
}

ImageRef test_image(const ScratchFolder& folder) {
    return load_image(
        folder.write("p.png", png_bytes(rgb_picture(50, 30,
                                                    [](int x, int y) {
                                                        return std::uint32_t(x * 5) << 16 |
                                                               std::uint32_t(y * 8) << 8 | 99;
                                                    }))),
        -1);
}

// Every logical pixel its own colour near the top-left, flat quarters of
// four colours elsewhere, a translucent oval and a picture over both.
void draw_picture(const ImageRef& picture) {
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
    draw_image(picture, 400, 300, 0);
}

PixmapRef shown(TGLGraphics& display) {
    display.show(driver_state());
    return display.read_window(driver_state());
}

// The largest difference of any channel of any pixel, and where it is.
struct Difference {
    int most = 0, x = -1, y = -1;
};
Difference difference(const PixmapRef& a, const PixmapRef& b) {
    Difference d;
    for (int y = 0; y < a->height; ++y)
        for (int x = 0; x < a->width; ++x) {
            const std::uint32_t p = a->read_pixel(x, y), q = b->read_pixel(x, y);
            for (int shift = 0; shift < 32; shift += 8) {
                const int c = std::abs(int(p >> shift & 255) - int(q >> shift & 255));
                if (c > d.most) d = {c, x, y};
            }
        }
    return d;
}

void resize(TGLGraphics& display, int width, int height) {
    SDL_SetWindowSize(display.window()->sdl, width, height);
    pump_messages();
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
    for (Route route : {Route::Framebuffer, Route::Pixels}) {
        SCOPED_TRACE(route == Route::Pixels ? "pixels" : "framebuffer");
        TGLGraphics& at_one = open_scaled(1, route);
        ImageRef picture = test_image(folder);
        draw_picture(picture);
        const PixmapRef logical = render_driver()->capture_pixmap(0, 0, 640, 480);
        PixmapRef window = shown(at_one);
        ASSERT_EQ(window->width, 640);
        ASSERT_EQ(difference(window, logical).most, 0);

        // Twice the size: every logical pixel a 2 x 2 block of itself.
        TGLGraphics& at_two = open_scaled(2, route);
        draw_picture(test_image(folder));
        window = shown(at_two);
        ASSERT_EQ(window->width, 1280);
        ASSERT_EQ(window->height, 960);
        for (int y = 0; y < 960; ++y)
            for (int x = 0; x < 1280; ++x)
                ASSERT_EQ(window->read_pixel(x, y), logical->read_pixel(x / 2, y / 2))
                    << x << "," << y;

        // Three times: the same picture read back.
        open_scaled(3, route);
        draw_picture(test_image(folder));
        const PixmapRef again = render_driver()->capture_pixmap(0, 0, 640, 480);
        ASSERT_EQ(difference(again, logical).most, 0);

        // Full screen on this driver's 1024 x 768 desktop: 1.6 times,
        // smoothly, flat parts of the picture the same colour.
        TGLGraphics& desktop = open_scaled(0, route);
        draw_picture(test_image(folder));
        window = shown(desktop);
        ASSERT_EQ(window->width, 1024);
        for (int q = 0; q < 4; ++q) {
            const int lx = 320 * (q % 2) + 200, ly = 240 * (q / 2) + 30;
            EXPECT_EQ(window->read_pixel(lx * 8 / 5, ly * 8 / 5), logical->read_pixel(lx, ly)) << q;
        }
        close_display();
    }
}

// What OpenGL shows from its framebuffer object, the CPU shows from the
// picture read back: the same blocks at whole multiples, and within one
// step of each channel where the picture is filtered.
TEST(ScaledWindow, TheCpuShowsWhatOpenGLShowsAtEverySize) {
    ScratchFolder folder;
    const struct {
        int scale, width, height; // 0 x 0: as opened
    } sizes[] = {{2, 0, 0}, {3, 0, 0}, {0, 0, 0}, {3, 1400, 1000}, {3, 1700, 1100}, {2, 500, 400}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message()
                     << size.scale << "x, " << size.width << " x " << size.height);
        PixmapRef by[2];
        for (Route route : {Route::Framebuffer, Route::Pixels}) {
            TGLGraphics& display = open_scaled(size.scale, route);
            if (size.width) resize(display, size.width, size.height);
            draw_picture(test_image(folder));
            by[route == Route::Pixels] = shown(display);
        }
        ASSERT_EQ(by[0]->width, by[1]->width);
        ASSERT_EQ(by[0]->height, by[1]->height);
        const Difference d = difference(by[0], by[1]);
        const platform::PictureRect rect =
            platform::fit_picture(by[0]->width, by[0]->height, 640, 480);
        const bool whole = rect.width == 640 * rect.whole && rect.height == 480 * rect.whole;
        EXPECT_LE(d.most, whole ? 0 : 1) << "at " << d.x << ", " << d.y;
    }
    close_display();
}

// Each new size that is no whole multiple makes a new intermediate picture;
// making it must leave OpenGL's state as the driver knows it.
TEST(ScaledWindow, TheFirstFramesAfterAResizeShowThePictureAndItsTextures) {
    ScratchFolder folder;
    TGLGraphics& display = open_scaled(3, Route::Framebuffer);
    ImageRef picture = test_image(folder);
    draw_picture(picture);
    const PixmapRef logical = render_driver()->capture_pixmap(0, 0, 640, 480);
    shown(display);
    for (auto [width, height] : {std::pair{1400, 1000}, std::pair{1700, 1100}}) {
        resize(display, width, height);
        draw_picture(picture);
        const PixmapRef window = shown(display);
        const platform::PictureRect rect = platform::fit_picture(width, height, 640, 480);
        // A flat quarter of the picture, not black.
        EXPECT_EQ(window->read_pixel(rect.x + rect.width / 4, rect.y + rect.height / 8),
                  logical->read_pixel(160, 60));
        // The picture drawn again right after is textured, not a white box.
        draw_picture(picture);
        EXPECT_EQ(difference(render_driver()->capture_pixmap(0, 0, 640, 480), logical).most, 0);
    }
    close_display();
}

// The clip rectangle is the game's: showing the frame in a window with
// black bars beside the picture must not leave the bars' clip behind.
TEST(ScaledWindow, TheClipRectangleOutlivesAFlip) {
    for (Route route : {Route::Framebuffer, Route::Pixels}) {
        open_scaled(0, route); // bars left and right on the 1024 x 768 desktop
        set_viewport(100, 100, 20, 20);
        set_clear_color(0, 0, 0);
        clear_frame();
        present_frame(0);
        set_color(255, 255, 255);
        draw_rect(0, 0, 640, 480);
        const PixmapRef clip = render_driver()->capture_pixmap(100, 100, 20, 20);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(clip->read_pixel(x, y), 0xffffffffu) << x << "," << y;
        EXPECT_EQ(render_driver()->capture_pixmap(99, 99, 1, 1)->read_pixel(0, 0), 0xff000000u);
        close_display();
    }
}
