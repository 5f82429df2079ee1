// The OpenGL driver's drawing shortcuts against its general path, on the
// real driver with the game's own art and drawing code: every byte of every
// frame must come out the same both ways.
#include "game/game_state.h"
#include "game/sparkles.h"
#include "graphics/display.h"
#include "graphics/gl_api.h"
#include "graphics/gl_display_driver.h"
#include "graphics/gl_render_driver.h"
#include "graphics/images.h"
#include "graphics/startup.h"
#include "screens/splash.h"
#include "system/random.h"
#include "tests/screens/game_scenes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

PixmapRef frame_bytes() {
    return render_driver()->capture_pixmap(0, 0, 640, 480);
}

// Play frames, some under the pause screen, a picture no screen draws (a
// mipmapped one of no power-of-two size, opaque, scaled down over the
// board), splash frames, then title frames. The art is loaded afresh each way: textures
// are stored as the shortcuts have them when they are made.
std::vector<PixmapRef> draw_everything(bool shortcuts) {
    std::dynamic_pointer_cast<TGLRenderDriver>(render_driver())->set_shortcuts(shortcuts);
    scenes::load_art(ORVESSA_PROGRAM_DIR, 33);
    ImageRef mipmapped = load_image(std::string(ORVESSA_PROGRAM_DIR) + "/assets/titlescreen.png",
                                    IMAGE_FILTERED | IMAGE_MIPMAPPED);
    EXPECT_TRUE(mipmapped && rune_image && board_image && text_font);
    std::vector<PixmapRef> frames;
    scenes::start_play(7);
    for (int frame = 1; frame <= 30; ++frame) {
        scenes::play_frame();
        if (frame % 10 == 0) scenes::pause_frame();
        if (frame % 3 == 0) frames.push_back(frame_bytes());
    }
    set_transform(15, 0.6f, 0.55f);
    draw_image(mipmapped, 40, 30, 0);
    set_transform(0, 1, 1);
    frames.push_back(frame_bytes());
    // Pixels put down as they are, from a window of a wider picture and
    // running off the frame's bottom.
    render_driver()->draw_pixmap(frames.back()->window(100, 100, 200, 150), 300, 400);
    frames.push_back(frame_bytes());
    ImageRef logo = load_image(std::string(ORVESSA_PROGRAM_DIR) + "/assets/kovname.png", 0);
    center_image_handle(logo);
    for (float t : {0.0f, 45.0f, 181.8f, 300.6f, 360.0f}) {
        draw_splash_picture(logo, t);
        frames.push_back(frame_bytes());
    }
    set_transform(0, 1, 1);
    set_origin(0, 0);
    set_alpha(1);
    seed_random(11);
    clear_sparkles();
    cleared_names[1] = "J. Orrimund-Lumivessa the Elder"; // narrowed
    for (int frame = 0; frame < 24; ++frame) {
        scenes::title_frame(frame / 8);
        if (frame % 4 == 0) frames.push_back(frame_bytes());
    }
    scenes::unload_art();
    return frames;
}

void expect_same_frames(const std::vector<PixmapRef>& expected,
                        const std::vector<PixmapRef>& drawn) {
    ASSERT_EQ(expected.size(), drawn.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const PixmapRef& a = expected[i];
        const PixmapRef& b = drawn[i];
        int differing = 0, first_x = -1, first_y = -1;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                if (a->read_pixel(x, y) != b->read_pixel(x, y) && differing++ == 0)
                    first_x = x, first_y = y;
        EXPECT_EQ(differing, 0) << "frame " << i << ", first at (" << first_x << ", " << first_y
                                << ")";
    }
}

void open_shown_by(TGLGraphics::Route route) {
    graphics_startup();
    TGLDisplayDriver::instance().prefer_route(route);
    ASSERT_TRUE(open_display(640, 480, 0, 60, 0));
    TGLDisplayDriver::instance().prefer_route(std::nullopt);
    set_blend(BLEND_ALPHA);
}

} // namespace

TEST(DrawingShortcuts, SplashPlayPauseAndTitleFramesAreTheSameBytesEitherWay) {
    graphics_startup();
    ASSERT_TRUE(open_display(640, 480, 0, 60, 0));
    set_blend(BLEND_ALPHA);
    std::vector<PixmapRef> general = draw_everything(false);
    std::vector<PixmapRef> shortcut = draw_everything(true);
    expect_same_frames(general, shortcut);
    close_display();
}

// A GPU's scaled window draws the picture into a framebuffer object; it must
// be what a window of the picture's own size shows, edges on pixel centres
// (the pressure gauge's hand at pressure 0) included.
TEST(DrawingShortcuts, TheOffscreenPictureIsWhatTheWindowDraws) {
    open_shown_by(TGLGraphics::Route::Window);
    std::vector<PixmapRef> window = draw_everything(true);
    open_shown_by(TGLGraphics::Route::Framebuffer);
    std::vector<PixmapRef> offscreen = draw_everything(true);
    expect_same_frames(window, offscreen);
    close_display();
}

// A browser's WebGL 1.0 takes the general path with equivalents of its own
// (fans for polygons, packed uploads, unsized formats, the offscreen picture
// drawn into the window). Here they must draw the desktop's frames, but for
// edges through pixel centres, which break the other way in a picture laid
// out from the bottom (WebGL cannot lay it out from the top): a few pixels
// of a frame at most. What the window shows is the picture, exactly.
TEST(DrawingShortcuts, WebGLsWaysDrawTheDesktopsFrames) {
    open_shown_by(TGLGraphics::Route::Window);
    std::vector<PixmapRef> desktop = draw_everything(true);
    keep_to_webgl_limits(true);
    open_shown_by(TGLGraphics::Route::Framebuffer);
    std::vector<PixmapRef> webgl = draw_everything(false);
    ASSERT_EQ(desktop.size(), webgl.size());
    for (std::size_t i = 0; i < desktop.size(); ++i) {
        int differing = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                differing += desktop[i]->read_pixel(x, y) != webgl[i]->read_pixel(x, y);
        EXPECT_LT(differing, 640 * 480 / 100) << "frame " << i;
    }
    PixmapRef picture = frame_bytes();
    present_frame(0);
    auto driver = std::dynamic_pointer_cast<TGLRenderDriver>(render_driver());
    PixmapRef window = TGLDisplayDriver::instance().current()->read_window(driver->state());
    keep_to_webgl_limits(false);
    expect_same_frames({picture}, {window->window(0, window->height - 480, 640, 480)});
    close_display();
}
