// Images over the recording driver: keying, sheets, handles, captures and
// the lazily made drawables.
#include "graphics/display.h"
#include "graphics/display_internal.h"
#include "graphics/image.h"
#include "graphics/images.h"
#include "graphics/startup.h"
#include "tests/support/recording_render_driver.h"

#include <gtest/gtest.h>

namespace {

// A 3 x 1 RGB picture: red, the key colour, blue.
PixmapRef keyed_strip() {
    PixmapRef p = create_pixmap(3, 1, FORMAT_RGB888, 4);
    p->write_pixel(0, 0, 0xffff0000);
    p->write_pixel(1, 0, 0xffff00ff);
    p->write_pixel(2, 0, 0xff0000ff);
    return p;
}

// A sheet whose cells are filled with their own index as the red value.
PixmapRef numbered_sheet(int columns, int rows, int cell) {
    PixmapRef p = create_pixmap(columns * cell, rows * cell, FORMAT_RGB888, 4);
    for (int y = 0; y < rows * cell; ++y)
        for (int x = 0; x < columns * cell; ++x)
            p->write_pixel(x, y, 0xff000000u | std::uint32_t(y / cell * columns + x / cell) << 16);
    return p;
}

} // namespace

TEST(LoadImage, KeysTheMaskColourOnlyAfterTheDisplayOpened) {
    graphics_startup();
    default_image_flags(0); // as at program start
    set_mask_color(0, 0, 0);
    ImageRef before = load_image(keyed_strip(), -1);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->flags, 0);
    EXPECT_EQ(before->pixmaps[0]->format, FORMAT_RGB888);
    EXPECT_EQ(before->pixmaps[0]->read_pixel(1, 0), 0xffff00ffu);

    TRecordingRenderDriver::Scope scope;
    set_mask_color(255, 0, 255);
    ImageRef after = load_image(keyed_strip(), -1);
    EXPECT_EQ(after->flags, IMAGE_MASKED | IMAGE_FILTERED);
    EXPECT_EQ(after->mask_red, 255);
    // The keyed pixel is transparent and takes its neighbours' mean colour.
    EXPECT_EQ(after->pixmaps[0]->read_pixel(1, 0), 0x007f007fu);
    EXPECT_EQ(after->pixmaps[0]->read_pixel(0, 0), 0xffff0000u);
}

TEST(LoadImage, PicturesWithAlphaAreNeverKeyed) {
    TRecordingRenderDriver::Scope scope;
    set_mask_color(255, 0, 255);
    PixmapRef rgba = create_pixmap(1, 1, FORMAT_RGBA8888, 4);
    rgba->write_pixel(0, 0, 0x80ff00ff);
    ImageRef image = load_image(rgba, IMAGE_MASKED);
    EXPECT_EQ(image->pixmaps[0]->read_pixel(0, 0), 0x80ff00ffu);
}

TEST(LoadImageStrip, CutsCellsLeftToRightThenDown) {
    TRecordingRenderDriver::Scope scope;
    // 480 x 40 sheet, 40 x 40 cells: 12 cells in one row.
    PixmapRef sheet = numbered_sheet(12, 1, 40);
    ImageRef eleven = TImage::load_strip(sheet, 40, 40, 0, 11, 0, 0, 0, 0);
    ASSERT_TRUE(eleven);
    ASSERT_EQ(eleven->frame_count(), 11);
    EXPECT_EQ(eleven->width, 40);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(eleven->pixmaps[i]->read_pixel(39, 39) >> 16 & 0xff, i);
    EXPECT_FALSE(TImage::load_strip(sheet, 40, 40, 0, 13, 0, 0, 0, 0));
    EXPECT_FALSE(TImage::load_strip(sheet, 40, 40, 2, 11, 0, 0, 0, 0));
    // On a 3 x 2 sheet cell 4 is the second of the lower row.
    ImageRef lower = TImage::load_strip(numbered_sheet(3, 2, 4), 4, 4, 3, 3, 0, 0, 0, 0);
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->pixmaps[1]->read_pixel(0, 0) >> 16 & 0xff, 4u);
    // Frames own their pixels.
    EXPECT_NE(lower->pixmaps[0]->capacity, -1);
}

TEST(LoadImageStrip, RejectsCellsWithoutSizeOrARunBeforeTheSheet) {
    PixmapRef sheet = numbered_sheet(2, 1, 4);
    EXPECT_FALSE(TImage::load_strip(sheet, 0, 4, 0, 1, 0, 0, 0, 0));
    EXPECT_FALSE(TImage::load_strip(sheet, 4, -4, 0, 1, 0, 0, 0, 0));
    EXPECT_FALSE(TImage::load_strip(sheet, 4, 4, -1, 2, 0, 0, 0, 0));
    EXPECT_FALSE(TImage::load_strip(PixmapRef{}, 4, 4, 0, 1, 0, 0, 0, 0));
    EXPECT_FALSE(load_image_strip("no such file.png", 4, 4, 0, 1, -1));
}

TEST(ImageHandle, CentreOfAnOddWidthIsAHalfPixel) {
    ImageRef image = TImage::create(41, 10, 1, 0, 0, 0, 0);
    center_image_handle(image);
    EXPECT_FLOAT_EQ(image->handle_x, 20.5f);
    EXPECT_FLOAT_EQ(image->handle_y, 5.0f);
    set_image_handle(image, -3, 4);
    EXPECT_FLOAT_EQ(image->handle_x, -3.0f);
    auto_center_handle(1);
    ImageRef centred = create_image(9, 9, 1, 0);
    auto_center_handle(0);
    EXPECT_FLOAT_EQ(centred->handle_x, 4.5f);
    EXPECT_EQ(centred->flags, IMAGE_DYNAMIC);
    EXPECT_EQ(image_width(nullptr), 0);
}

TEST(DrawImage, DrawsTheFrameAboutItsHandleAtTheOrigin) {
    TRecordingRenderDriver::Scope scope;
    TRecordingRenderDriver& d = scope.driver();
    ImageRef image = TImage::load_strip(numbered_sheet(2, 1, 4), 4, 4, 0, 2, 0, 0, 0, 0);
    set_image_handle(image, 1, 2);
    set_origin(100, 0);
    draw_image(image, 10, 20, 1);
    ASSERT_EQ(d.count("create_frame"), 1);
    EXPECT_EQ(d.last("create_frame").pixmap, image->pixmaps[1]);
    EXPECT_EQ(d.last("frame_draw").text(), "frame_draw(-1,-2,3,2,110,20)");
    // The drawable is made once per frame per opening of the display.
    draw_image(image, 0, 0, 1);
    EXPECT_EQ(d.count("create_frame"), 1);
    image->lock(1, 1, 1); // writing to the pixels drops it
    draw_image(image, 0, 0, 1);
    EXPECT_EQ(d.count("create_frame"), 2);
    close_display();
    open_display(640, 480, 0, 60, 0);
    draw_image(image, 0, 0, 1);
    EXPECT_EQ(d.count("create_frame"), 3);
}

TEST(DrawImage, MissingImagesAndFramesDrawNothing) {
    TRecordingRenderDriver::Scope scope;
    TRecordingRenderDriver& d = scope.driver();
    draw_image(nullptr, 1, 2, 0);
    draw_image(load_image("missing.png", -1), 1, 2, 0);
    ImageRef one = TImage::create(4, 4, 1, 0, 0, 0, 0);
    draw_image(one, 0, 0, 1);
    draw_image(one, 0, 0, -1);
    EXPECT_TRUE(d.calls.empty());
}

TEST(CaptureImage, KeysMagentaOnlyInAMaskedImage) {
    TRecordingRenderDriver::Scope scope;
    set_mask_color(255, 0, 255);
    PixmapRef screen = create_pixmap(640, 480, FORMAT_RGBA8888, 4);
    screen->write_pixel(5, 6, 0xffff00ff);
    screen->write_pixel(6, 6, 0xff00ff00);
    scope.driver().back_buffer = screen;
    ImageRef masked = create_image(640, 480, 1, -1);
    ImageRef dynamic = create_image(640, 480, 1, 8);
    capture_image(masked, 0, 0, 0);
    capture_image(dynamic, 0, 0, 0);
    EXPECT_EQ(scope.driver().last("capture_pixmap").text(), "capture_pixmap(0,0,640,480)");
    EXPECT_EQ(masked->pixmaps[0]->read_pixel(5, 6) >> 24, 0u);
    EXPECT_EQ(masked->pixmaps[0]->read_pixel(6, 6), 0xff00ff00u);
    EXPECT_EQ(dynamic->pixmaps[0]->read_pixel(5, 6), 0xffff00ffu);
    // A capture replaces the drawable made from the old pixels.
    draw_image(dynamic, 0, 0, 0);
    capture_image(dynamic, 0, 0, 0);
    draw_image(dynamic, 0, 0, 0);
    EXPECT_EQ(scope.driver().count("create_frame"), 2);
}

TEST(Image, LockMakesMissingPixelsOfTheImageSize) {
    ImageRef image = TImage::create(3, 2, 2, 0, 0, 0, 0);
    PixmapRef p = image->lock(1, 1, 0);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, 3);
    EXPECT_EQ(p->height, 2);
    EXPECT_EQ(p->format, FORMAT_RGBA8888);
    EXPECT_EQ(p->read_pixel(2, 1), 0u); // transparent black, not leftover memory
    EXPECT_EQ(image->lock(1, 1, 0), p);
    EXPECT_FALSE(image->lock(2, 1, 0));
}
