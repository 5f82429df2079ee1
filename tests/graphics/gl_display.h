// A real OpenGL display for one test (offscreen under SDL_VIDEODRIVER=offscreen),
// and reading its back buffer.
#pragma once

#include "graphics/display.h"
#include "graphics/pixmap.h"
#include "graphics/render_driver.h"
#include "graphics/startup.h"

#include <gtest/gtest.h>

class GLDisplay : public testing::Test {
  protected:
    void SetUp() override {
        graphics_startup();
        display_ = open_display(640, 480, 0, 60, 0);
        ASSERT_TRUE(display_) << "no OpenGL display";
    }
    void TearDown() override { close_display(); }

    // The back buffer's block at (x, y), y downward, as 0xAARRGGBB pixels.
    static PixmapRef screen(int x = 0, int y = 0, int w = 640, int h = 480) {
        return render_driver()->capture_pixmap(x, y, w, h);
    }
    static std::uint32_t pixel(int x, int y) { return screen(x, y, 1, 1)->read_pixel(0, 0); }

    // How many pixels of the pixmap have exactly this colour.
    static int count(const PixmapRef& p, std::uint32_t argb) {
        int n = 0;
        for (int y = 0; y < p->height; ++y)
            for (int x = 0; x < p->width; ++x) n += p->read_pixel(x, y) == argb;
        return n;
    }

    DrawStateRef display_;
};
