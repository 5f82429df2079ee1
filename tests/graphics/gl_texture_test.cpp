// Images on the OpenGL driver: textures, colour keys, sheets and captures.
#include "graphics/counters.h"
#include "graphics/display_internal.h"
#include "graphics/draw_state.h"
#include "graphics/gl_api.h"
#include "graphics/gl_render_driver.h"
#include "graphics/gl_texture_frame.h"
#include "graphics/image.h"
#include "graphics/images.h"
#include "system/runtime_error.h"
#include "tests/graphics/gl_display.h"
#include "tests/graphics/gl_watch.h"
#include "tests/graphics/png_writer.h"
#include "tests/support/scratch_folder.h"

namespace {

constexpr std::uint32_t black = 0xff000000u;

// Every pixel distinct enough to tell columns and rows apart.
std::uint32_t gradient(int x, int y) {
    return std::uint32_t(x % 256) << 16 | (y % 256) << 8 | 7;
}

std::shared_ptr<TGLTextureFrame> texture_of(const ImageRef& image, int frame = 0) {
    return std::dynamic_pointer_cast<TGLTextureFrame>(image->frame(frame));
}

// Level 0 of the bound texture as RGBA.
PixmapRef texture_pixels(const std::shared_ptr<TGLTextureFrame>& frame, int w, int h) {
    PixmapRef p = create_pixmap(w, h, FORMAT_RGBA8888, 4);
    gl().BindTexture(GL_TEXTURE_2D, frame->texture);
    gl().GetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, p->pixels);
    // The driver made this texture last, so it believes it is bound: keep it so.
    return p;
}

} // namespace

class GLImages : public GLDisplay {
  protected:
    std::string write_png(const std::string& name, const PngSpec& spec) {
        return folder_.write(name, png_bytes(spec));
    }
    ScratchFolder folder_;
};

TEST_F(GLImages, A640By480PictureSitsInA1024By512TextureWithItsEdgesRepeated) {
    ImageRef image = load_image(write_png("screen.png", rgb_picture(640, 480, gradient)), -1);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->flags, IMAGE_MASKED | IMAGE_FILTERED);
    auto frame = texture_of(image);
    ASSERT_TRUE(frame);
    EXPECT_FLOAT_EQ(frame->u_right, 0.625f);
    EXPECT_FLOAT_EQ(frame->v_bottom, 0.9375f);
    EXPECT_EQ(frame->u_left, 0.0f);
    EXPECT_TRUE(frame->made.current());
    PixmapRef texture = texture_pixels(frame, 1024, 512);
    for (int y : {0, 200, 479}) EXPECT_EQ(texture->read_pixel(640, y), texture->read_pixel(639, y));
    for (int x : {0, 300, 639}) EXPECT_EQ(texture->read_pixel(x, 480), texture->read_pixel(x, 479));
    EXPECT_EQ(texture->read_pixel(640, 480), texture->read_pixel(639, 479));
    EXPECT_EQ(texture->read_pixel(639, 479), 0xff000000u | gradient(639, 479));
    // Drawn at scale 1 it reproduces the picture exactly.
    draw_image(image, 0, 0, 0);
    PixmapRef shown = screen();
    for (int y = 0; y < 480; y += 53)
        for (int x = 0; x < 640; x += 37)
            ASSERT_EQ(shown->read_pixel(x, y), 0xff000000u | gradient(x, y)) << x << "," << y;
}

TEST_F(GLImages, MagentaIsKeyedOnlyInPicturesLoadedAfterTheDisplayOpened) {
    auto magenta_dot = [](int x, int y) { return x == 1 && y == 1 ? 0xff00ffu : 0x00ff00u; };
    std::string path = write_png("dot.png", rgb_picture(3, 3, magenta_dot));
    // As at program start: before the first opening, images are neither
    // masked nor filtered.
    close_display();
    default_image_flags(0);
    set_mask_color(0, 0, 0);
    ImageRef before = load_image(path, -1);
    ASSERT_TRUE(open_display(640, 480, 0, 60, 0));
    set_mask_color(255, 0, 255);
    set_blend(BLEND_ALPHA);
    ImageRef after = load_image(path, -1);
    set_clear_color(0, 0, 80);
    clear_frame();
    draw_image(before, 10, 10, 0);
    draw_image(after, 20, 10, 0);
    EXPECT_EQ(pixel(11, 11), 0xffff00ffu);
    // Transparent, and its colour is the neighbours' green, not magenta.
    EXPECT_EQ(pixel(21, 11), 0xff000050u);
    EXPECT_EQ(after->pixmaps[0]->read_pixel(1, 1), 0x0000ff00u);
}

TEST_F(GLImages, PicturesWithAlphaAreNeverKeyed) {
    PngSpec rgba;
    rgba.width = 2;
    rgba.color_type = 6; // RGB with alpha
    rgba.rows = {255, 0, 255, 255, 255, 0, 255, 0};
    set_mask_color(255, 0, 255);
    ImageRef image = load_image(write_png("rgba.png", rgba), IMAGE_MASKED);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixmaps[0]->format, FORMAT_RGBA8888);
    set_blend(BLEND_ALPHA);
    clear_frame();
    draw_image(image, 0, 0, 0);
    EXPECT_EQ(pixel(0, 0), 0xffff00ffu);
    EXPECT_EQ(pixel(1, 0), black);
}

TEST_F(GLImages, SheetCellsBecomeFrames) {
    auto cells = [](int x, int) { return std::uint32_t(x / 40 * 20) << 16; };
    std::string sheet = write_png("sheet.png", rgb_picture(480, 40, cells));
    ImageRef eleven = load_image_strip(sheet, 40, 40, 0, 11, -1);
    ASSERT_TRUE(eleven);
    EXPECT_EQ(eleven->frame_count(), 11);
    EXPECT_FALSE(load_image_strip(sheet, 40, 40, 0, 13, -1));
    clear_frame();
    draw_image(eleven, 100, 100, 10);
    EXPECT_EQ(pixel(120, 120), 0xffc80000u); // cell 10, at x 400
    auto frame = texture_of(eleven, 10);
    EXPECT_FLOAT_EQ(frame->u_right, 40.0f / 64);
}

TEST_F(GLImages, TheHandleIsThePivotOfScaleAndRotation) {
    ImageRef image = create_image(41, 41, 1, 0);
    PixmapRef pixels = image->lock(0, 1, 1);
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 41; ++x) pixels->write_pixel(x, y, 0xffffffff);
    center_image_handle(image);
    EXPECT_FLOAT_EQ(image->handle_x, 20.5f);
    clear_frame();
    set_scale(2, 2);
    draw_image(image, 100, 100, 0);
    // 82 pixels square about (100, 100): pixels 59 .. 140.
    PixmapRef shown = screen(50, 50, 100, 100);
    EXPECT_EQ(count(shown, 0xffffffffu), 82 * 82);
    EXPECT_EQ(pixel(59, 60), 0xffffffffu);
    EXPECT_EQ(pixel(58, 60), black);
    EXPECT_EQ(pixel(141, 60), black);
}

TEST_F(GLImages, CapturesIntoMaskedImagesKeyMagentaAndDynamicOnesDoNot) {
    set_mask_color(255, 0, 255);
    set_color(255, 0, 255);
    draw_rect(0, 0, 640, 480);
    set_color(0, 0, 255);
    draw_rect(10, 10, 1, 1);
    ImageRef masked = create_image(640, 480, 1, -1);
    ImageRef plain = create_image(640, 480, 1, 8);
    capture_image(masked, 0, 0, 0);
    capture_image(plain, 0, 0, 0);
    EXPECT_EQ(masked->pixmaps[0]->read_pixel(0, 0) >> 24, 0u);
    EXPECT_EQ(masked->pixmaps[0]->read_pixel(10, 10), 0xff0000ffu);
    EXPECT_EQ(plain->pixmaps[0]->read_pixel(0, 0), 0xffff00ffu);
    // Drawn back with alpha blending, only the blue pixel of the masked one shows.
    set_color(255, 255, 255);
    set_blend(BLEND_ALPHA);
    clear_frame();
    draw_image(masked, 0, 0, 0);
    EXPECT_EQ(count(screen(), black), 640 * 480 - 1);
    draw_image(plain, 0, 0, 0);
    EXPECT_EQ(pixel(300, 300), 0xffff00ffu);
}

TEST_F(GLImages, TexturesAreMadeAgainAfterTheDisplayReopens) {
    ImageRef image =
        load_image(write_png("red.png", rgb_picture(2, 2, [](int, int) { return 0xff0000u; })), 0);
    draw_image(image, 0, 0, 0);
    auto first = image->frame(0);
    close_display();
    ASSERT_TRUE(open_display(640, 480, 0, 60, 0));
    clear_frame();
    draw_image(image, 5, 5, 0);
    EXPECT_NE(image->frame(0), first);
    EXPECT_EQ(pixel(6, 6), 0xffff0000u);
    // The stale drawable draws nothing rather than some other texture.
    clear_frame();
    first->draw(0, 0, 2, 2, 0, 0);
    EXPECT_EQ(pixel(0, 0), black);
}

// The count a long run is watched by: it must follow the textures OpenGL
// really holds, neither leaking with replaced frames nor going below zero
// when images outlive their display.
TEST_F(GLImages, LiveTexturesFollowTheirImagesAndGoWithTheirDisplay) {
    const int start = live_texture_count();
    auto driver = std::dynamic_pointer_cast<TGLRenderDriver>(render_driver());
    driver->set_shortcuts(false); // each frame's own texture alone, first
    auto cells = [](int x, int) { return std::uint32_t(x / 40 * 20) << 16; };
    ImageRef sheet =
        load_image_strip(write_png("sheet.png", rgb_picture(480, 40, cells)), 40, 40, 0, 11, -1);
    ASSERT_TRUE(sheet);
    {
        GLWatch<&GLApi::GenTextures> made;
        GLWatch<&GLApi::DeleteTextures> deleted;
        ImageRef picture = load_image(write_png("p.png", rgb_picture(4, 4, gradient)), -1);
        EXPECT_EQ(live_texture_count(), start); // nothing is made before it is drawn
        for (int pass = 0; pass < 2; ++pass) {
            draw_image(picture, 0, 0, 0);
            for (int cell = 0; cell < 3; ++cell) draw_image(sheet, 0, 0, cell);
        }
        EXPECT_EQ(live_texture_count(), start + 4);
        picture.reset();
        EXPECT_EQ(live_texture_count(), start + 3);
        sheet->lock(0, 1, 1); // writing to a frame drops its texture
        EXPECT_EQ(live_texture_count(), start + 2);
        // A snapshot captured again and again, as the pause screen does.
        ImageRef snapshot = create_image(640, 480, 1, -1);
        for (int i = 0; i < 5; ++i) {
            capture_image(snapshot, 0, 0, 0);
            draw_image(snapshot, 0, 0, 0);
        }
        EXPECT_EQ(live_texture_count(), start + 3);
        snapshot.reset();
        EXPECT_EQ(live_texture_count(), start + 2);
        EXPECT_EQ(made.calls() - deleted.calls(), live_texture_count() - start);
    }
    // Drawn texel for pixel, small frames take a cell of a shared page
    // instead of a texture of their own; the page goes with the last of them.
    driver->set_shortcuts(true);
    ImageRef glyphs =
        load_image_strip(write_png("g.png", rgb_picture(30, 10, gradient)), 10, 10, 0, 3, -1);
    for (int cell = 0; cell < 3; ++cell) draw_image(glyphs, 0, 0, cell);
    EXPECT_EQ(live_texture_count(), start + 2 + 1);
    glyphs.reset();
    EXPECT_EQ(live_texture_count(), start + 2);
    close_display();
    EXPECT_EQ(live_texture_count(), 0);
    // Its textures went with the context: freeing the image deletes nothing more.
    ASSERT_TRUE(open_display(640, 480, 0, 60, 0));
    draw_image(sheet, 0, 0, 1);
    EXPECT_EQ(live_texture_count(), 1); // a shared page
    sheet.reset();
    EXPECT_EQ(live_texture_count(), 0);
}

TEST_F(GLImages, OversizedPicturesShrinkToTheLargestTextureAccepted) {
    GLWatch<&GLApi::GetTexLevelParameteriv> proxy;
    GLWatch<& GLApi::GetTexLevelParameteriv>::replacement = [](GLenum target, GLint level,
                                                               GLenum pname, GLint* value) {
        GLint width = 0, height = 0;
        GLWatch<&GLApi::GetTexLevelParameteriv>::original(target, level, GL_TEXTURE_WIDTH, &width);
        GLWatch<&GLApi::GetTexLevelParameteriv>::original(target, level, GL_TEXTURE_HEIGHT,
                                                          &height);
        *value = width <= 256 && height <= 256 ? width : 0;
        (void)pname;
    };
    ImageRef image = load_image(write_png("big.png", rgb_picture(640, 480, gradient)), 0);
    auto frame = texture_of(image);
    ASSERT_TRUE(frame);
    // 1024 x 512, then 512 x 256, then 256 x 128: the picture is resampled to it.
    EXPECT_EQ(proxy.calls(), 3);
    EXPECT_FLOAT_EQ(frame->u_right, 1.0f);
    EXPECT_FLOAT_EQ(frame->v_bottom, 1.0f);
    EXPECT_EQ(image->pixmaps[0]->width, 640); // the image keeps its own pixels
}

TEST_F(GLImages, NoTextureSizeAtAllIsAHardError) {
    GLWatch<&GLApi::GetTexLevelParameteriv> proxy;
    GLWatch<& GLApi::GetTexLevelParameteriv>::replacement = [](GLenum, GLint, GLenum,
                                                               GLint* value) { *value = 0; };
    ImageRef image = create_image(3, 3, 1, 0);
    try {
        image->frame(0);
        FAIL() << "no error";
    } catch (const TRuntimeError& error) {
        EXPECT_STREQ(error.what(), "Unable to calculate tex size");
    }
    EXPECT_EQ(proxy.calls(), 3); // 4 x 4, 2 x 2, 1 x 1
}

TEST_F(GLImages, MipmappedAndFilteredTexturesDraw) {
    ImageRef image = load_image(write_png("g.png", rgb_picture(37, 19, gradient)),
                                IMAGE_FILTERED | IMAGE_MIPMAPPED);
    clear_frame();
    set_scale(0.25f, 0.25f);
    draw_image(image, 0, 0, 0);
    EXPECT_NE(pixel(3, 2), black);
    EXPECT_EQ(pixel(12, 2), black);
}

TEST_F(GLImages, FilteringShowsOnlyWhereTexelsDoNotMeetPixels) {
    // Black and white side by side; filtered.
    ImageRef image = load_image(
        write_png("bw.png", rgb_picture(2, 1, [](int x, int) { return x ? 0xffffffu : 0u; })),
        IMAGE_FILTERED);
    auto greys = [&] {
        PixmapRef shown = screen(0, 0, 40, 10);
        return 40 * 10 - count(shown, black) - count(shown, 0xffffffffu);
    };
    clear_frame();
    draw_image(image, 3, 3, 0);
    EXPECT_EQ(greys(), 0);
    EXPECT_EQ(pixel(4, 3), 0xffffffffu);
    // Magnified, the same texture blends between its texels.
    set_scale(8, 8);
    clear_frame();
    draw_image(image, 3, 3, 0);
    EXPECT_GT(greys(), 3);
    set_scale(1, 1);
    clear_frame();
    draw_image(image, 3, 3, 0);
    EXPECT_EQ(greys(), 0);
}

TEST_F(GLImages, OpaquePicturesCoverAndTranslucentDrawsStillBlend) {
    // Large enough for blending to be switched off while it is drawn.
    ImageRef image = load_image(
        write_png("grey.png", rgb_picture(256, 256, [](int, int) { return 0x808080u; })), -1);
    set_blend(BLEND_ALPHA);
    set_clear_color(0, 0, 255);
    clear_frame();
    draw_image(image, 0, 0, 0);
    EXPECT_EQ(pixel(1, 1), 0xff808080u);
    EXPECT_EQ(pixel(255, 255), 0xff808080u);
    set_alpha(0.5f);
    draw_image(image, 300, 0, 0);
    EXPECT_EQ(pixel(301, 1), 0xff4040c0u); // 128 * 127/255 and 128 + 255 * 128/255
    // Blending is still on for what follows a full-alpha opaque picture.
    set_alpha(1.0f);
    draw_image(image, 0, 0, 0);
    set_alpha(0.5f);
    set_color(255, 255, 255);
    draw_rect(0, 300, 2, 2);
    EXPECT_EQ(pixel(0, 300), 0xff7f7fffu);
}
