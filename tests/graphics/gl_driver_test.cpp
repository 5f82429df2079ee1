// The OpenGL render driver, checked by reading pixels back.
#include "graphics/draw_state.h"
#include "graphics/gl_api.h"
#include "tests/graphics/gl_display.h"
#include "tests/graphics/gl_watch.h"

#include <limits>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t black = 0xff000000u, white = 0xffffffffu;

// Scissor switching, as the driver asks for it.
std::vector<std::string> scissor_log;
void log_enable(GLenum cap) {
    if (cap == GL_SCISSOR_TEST) scissor_log.push_back("on");
    GLWatch<&GLApi::Enable>::original(cap);
}
void log_disable(GLenum cap) {
    if (cap == GL_SCISSOR_TEST) scissor_log.push_back("off");
    GLWatch<&GLApi::Disable>::original(cap);
}

} // namespace

using GLDriver = GLDisplay;

TEST_F(GLDriver, RectFillsExactlyItsPixels) {
    clear_frame();
    draw_rect(10, 20, 5, 3);
    PixmapRef p = screen(0, 0, 40, 40);
    EXPECT_EQ(count(p, white), 15);
    for (int y = 20; y <= 22; ++y)
        for (int x = 10; x <= 14; ++x) EXPECT_EQ(p->read_pixel(x, y), white) << x << "," << y;
}

TEST_F(GLDriver, TheDisplayOpensCurrentValidatedAndCleared) {
    EXPECT_EQ(current_display(), display_);
    EXPECT_EQ(display_width(), 640);
    EXPECT_EQ(display_->blend_mode, BLEND_MASK);
    EXPECT_EQ(count(screen(), black), 640 * 480);
}

TEST_F(GLDriver, HalfAlphaIsByte127AndBlendsOverTheBackground) {
    set_clear_color(0, 0, 200);
    clear_frame();
    set_blend(BLEND_ALPHA);
    set_color(255, 0, 0);
    set_alpha(0.5f);
    draw_rect(0, 0, 4, 4);
    // Source weight 127/255; R = 255 * 127/255 = 127, B = 200 * 128/255 = 100.4.
    EXPECT_EQ(pixel(1, 1), 0xff7f0064u);
    set_alpha(2.0f); // beyond 1 behaves as 1
    draw_rect(0, 0, 4, 4);
    EXPECT_EQ(pixel(1, 1), 0xffff0000u);
    set_alpha(-1.0f); // below 0 as 0: nothing shows
    set_color(0, 255, 0);
    draw_rect(0, 0, 4, 4);
    EXPECT_EQ(pixel(1, 1), 0xffff0000u);
}

TEST_F(GLDriver, BlendModesCombineAsNamed) {
    set_clear_color(100, 100, 100);
    set_color(200, 50, 255);
    set_alpha(0.5f);
    struct Case {
        int mode;
        std::uint32_t expected;
    } cases[] = {
        {BLEND_SOLID, 0xffc832ffu}, // the colour, alpha ignored
        {BLEND_LIGHT, 0xffc87de3u}, // 100 + colour * 127/255: 199.6, 124.9, 227
        {BLEND_SHADE, 0xff4e1464u}, // 100 * colour / 255: 78.4, 19.6, 100
        {99, 0xffc832ffu},          // unknown modes are solid
    };
    for (const Case& c : cases) {
        clear_frame();
        set_blend(c.mode);
        draw_rect(0, 0, 2, 2);
        EXPECT_EQ(pixel(0, 0), c.expected) << "mode " << c.mode;
    }
    // Mask: drawn only where alpha is at least one half. An alpha of 0.5
    // is the byte 127, just under a half.
    set_blend(BLEND_MASK);
    clear_frame();
    set_alpha(0.5f);
    draw_rect(0, 0, 2, 2);
    EXPECT_EQ(pixel(0, 0), 0xff646464u);
    set_alpha(0.51f);
    draw_rect(0, 0, 2, 2);
    EXPECT_EQ(pixel(0, 0), 0xffc832ffu);
}

TEST_F(GLDriver, RepeatingTheBlendModeIssuesNoGLCall) {
    set_blend(BLEND_ALPHA);
    GLWatch<&GLApi::Enable> enables;
    GLWatch<&GLApi::Disable> disables;
    GLWatch<&GLApi::BlendFunc> funcs;
    GLWatch<&GLApi::AlphaFunc> alpha_funcs;
    set_blend(BLEND_ALPHA);
    EXPECT_EQ(enables.calls() + disables.calls() + funcs.calls() + alpha_funcs.calls(), 0);
    set_blend(BLEND_LIGHT);
    EXPECT_GT(enables.calls() + funcs.calls(), 0);
}

TEST_F(GLDriver, ColourIsResentOnEveryChange) {
    GLWatch<&GLApi::Color4ubv> colours;
    set_color(1, 2, 3);
    set_color(1, 2, 3);
    set_alpha(1.0f);
    EXPECT_EQ(colours.calls(), 3);
}

TEST_F(GLDriver, OvalsHaveOneVertexAPixelOfRadiusAtLeastTwelve) {
    GLWatch<&GLApi::Vertex2f> vertices;
    draw_oval(0, 0, 8, 8);
    EXPECT_EQ(vertices.calls(), 12);
    vertices.reset();
    draw_oval(0, 0, 100, 100);
    EXPECT_EQ(vertices.calls(), 100);
    vertices.reset();
    draw_oval(0, 0, 30, 11); // 15 + 5.5 = 20
    EXPECT_EQ(vertices.calls(), 20);
    vertices.reset();
    draw_oval(0, 0, 31, 12); // 15.5 + 6 = 21, down to 20
    EXPECT_EQ(vertices.calls(), 20);
    // Sizes that are no number draw nothing; huge ones a bounded polygon.
    vertices.reset();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    draw_oval(0, 0, nan, 10);
    draw_oval(0, 0, 10, inf);
    draw_oval(nan, 0, 10, 10);
    EXPECT_EQ(vertices.calls(), 0);
    draw_oval(0, 0, 3e9f, 3e9f);
    EXPECT_EQ(vertices.calls(), 4096);
}

TEST_F(GLDriver, OvalCoversItsCentreAndNotItsCorners) {
    clear_frame();
    draw_oval(100, 100, 100, 60);
    EXPECT_EQ(pixel(150, 130), white);
    EXPECT_EQ(pixel(101, 101), black);
    EXPECT_EQ(pixel(198, 158), black);
    EXPECT_EQ(pixel(102, 130), white); // the left end of the long axis
    EXPECT_EQ(pixel(150, 158), white);
}

TEST_F(GLDriver, LinesCoverThePixelsTheyNameAndThePlotFinishesThem) {
    clear_frame();
    draw_line(10, 10, 20, 10);
    PixmapRef p = screen(0, 0, 30, 20);
    EXPECT_EQ(count(p, white), 11);
    for (int x = 10; x <= 20; ++x) EXPECT_EQ(p->read_pixel(x, 10), white) << x;
    clear_frame();
    draw_line(10, 10, 20, 10, 0);
    EXPECT_EQ(count(screen(0, 0, 30, 20), white), 10);
    clear_frame();
    plot(3, 4);
    EXPECT_EQ(count(screen(0, 0, 10, 10), white), 1);
    EXPECT_EQ(pixel(3, 4), white);
}

TEST_F(GLDriver, PolygonsNeedThreePointsAndAnEvenCount) {
    clear_frame();
    const float too_few[] = {0, 0, 50, 0};
    const float odd[] = {0, 0, 50, 0, 0, 50, 7};
    draw_poly(too_few);
    draw_poly(odd);
    EXPECT_EQ(count(screen(0, 0, 60, 60), white), 0);
    set_origin(100, 100);
    set_handle(-10, 0); // stored as +10: moves the shape right
    const float square[] = {0, 0, 20, 0, 20, 20, 0, 20};
    draw_poly(square);
    EXPECT_EQ(count(screen(100, 100, 40, 30), white), 400);
    EXPECT_EQ(pixel(110, 100), white);
    EXPECT_EQ(pixel(109, 100), black);
}

TEST_F(GLDriver, TransformsTurnClockwiseAboutTheDrawPosition) {
    clear_frame();
    set_rotation(90);
    draw_rect(100, 100, 10, 2); // x axis now points down the screen
    PixmapRef p = screen(80, 80, 40, 40);
    EXPECT_EQ(count(p, white), 20);
    EXPECT_EQ(pixel(99, 105), white);
    EXPECT_EQ(pixel(98, 105), white);
    EXPECT_EQ(pixel(100, 105), black);
    set_transform(0, 3, 2);
    clear_frame();
    draw_rect(10, 10, 2, 2);
    EXPECT_EQ(count(screen(0, 0, 30, 30), white), 24);
}

TEST_F(GLDriver, TheViewportClipsAndTheFullDisplayTurnsClippingOff) {
    GLWatch<&GLApi::Enable> enables;
    GLWatch<&GLApi::Disable> disables;
    GLWatch<& GLApi::Enable>::replacement = log_enable;
    GLWatch<& GLApi::Disable>::replacement = log_disable;
    scissor_log.clear();
    set_viewport(10, 20, 30, 40);
    set_clear_color(255, 255, 255);
    clear_frame();
    EXPECT_EQ(count(screen(), white), 1200);
    EXPECT_EQ(pixel(10, 20), white);
    EXPECT_EQ(pixel(39, 59), white);
    EXPECT_EQ(pixel(40, 59), black);
    set_viewport(0, 0, 641, 480); // even a larger rectangle clips
    set_viewport(0, 0, 640, 480);
    EXPECT_EQ(scissor_log, (std::vector<std::string>{"on", "on", "off"}));
    clear_frame();
    EXPECT_EQ(count(screen(), white), 640 * 480);
}

TEST_F(GLDriver, CaptureReadsTopDownAndDrawPixmapCopiesUntransformed) {
    clear_frame();
    set_color(10, 20, 30);
    draw_rect(5, 7, 1, 1);
    PixmapRef p = screen(5, 6, 2, 2);
    EXPECT_EQ(p->format, FORMAT_RGBA8888);
    EXPECT_EQ(p->read_pixel(0, 1), 0xff0a141eu);
    EXPECT_EQ(p->read_pixel(0, 0), black);

    PixmapRef picture = create_pixmap(3, 2, FORMAT_RGB888, 4);
    for (int i = 0; i < 6; ++i) picture->write_pixel(i % 3, i / 3, 0xff000000u | (i + 1) * 0x10);
    set_scale(4, 4); // ignored by draw_pixmap
    set_blend(BLEND_ALPHA);
    render_driver()->draw_pixmap(picture, 50, 60);
    PixmapRef back = screen(50, 60, 3, 2);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(back->read_pixel(i % 3, i / 3), 0xff000000u | (i + 1) * 0x10) << i;
    EXPECT_EQ(pixel(53, 60), black);
    EXPECT_EQ(display_->blend_mode, BLEND_ALPHA);
    // Starting left of the display shows the visible part.
    render_driver()->draw_pixmap(picture, -1, 100);
    EXPECT_EQ(pixel(0, 100), 0xff000020u);
}

TEST_F(GLDriver, AClosedDisplayTakesNoDrawingAndReopens) {
    close_display();
    EXPECT_EQ(display_width(), 0);
    draw_rect(0, 0, 10, 10); // no context: nothing happens, nothing crashes
    set_color(1, 2, 3);
    present_frame(-1);
    EXPECT_TRUE(open_display(320, 240, 0, 0, 0));
    EXPECT_EQ(display_width(), 320);
    clear_frame();
    draw_rect(0, 0, 1, 1);
    EXPECT_EQ(pixel(0, 0), white); // the colour was reset by the new display's defaults
    present_frame(-1);
}
