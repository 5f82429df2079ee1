// The public drawing functions against the recording driver: what reaches
// the driver, with which arguments, in which order.
#include "graphics/display.h"
#include "graphics/display_internal.h"
#include "graphics/draw_state.h"
#include "graphics/image_globals.h"
#include "graphics/images.h"
#include "graphics/startup.h"
#include "system/event.h"
#include "tests/support/recording_render_driver.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> texts(const TRecordingRenderDriver& driver) {
    std::vector<std::string> out;
    for (const RenderCall& call : driver.calls) out.push_back(call.text());
    return out;
}

} // namespace

TEST(OpenDisplay, AppliesTheDefaultsAndShowsTwoClearedFrames) {
    graphics_startup();
    RenderDriverRef previous = render_driver();
    auto driver = std::make_shared<TRecordingRenderDriver>();
    set_render_driver(driver);
    set_mask_color(1, 2, 3);
    default_image_flags(0);
    DrawStateRef display = open_display(320, 200, 0, 60, 0);
    ASSERT_TRUE(display);
    std::vector<std::string> expected = {
        "create_display(320,200,0,60,2)", // the default flags are added
        "select_display(1)",
        "set_blend(1)",
        "set_color(255,255,255)",
        "set_clear_color(0,0,0)",
        "set_alpha(1)",
        "set_viewport(0,0,320,200)",
        "set_transform(1,0,0,1)",
        "set_line_width(1)",
        "clear_frame()",
        "present_frame(0)",
        "clear_frame()",
        "present_frame(0)",
        "set_blend(1)",
        "set_viewport(0,0,320,200)",
        "set_transform(1,0,0,1)",
        "set_color(255,255,255)",
        "set_alpha(1)",
        "warp_pointer(160,100)",
    };
    EXPECT_EQ(texts(*driver), expected);
    EXPECT_EQ(display_width(), 320);
    EXPECT_EQ(display_height(), 200);
    EXPECT_EQ(display->blend_mode, BLEND_MASK);
    EXPECT_EQ(display->validated, 1);
    EXPECT_TRUE(display->current_font);
    // Opening reset the image-loading globals.
    EXPECT_EQ(mask_color().r, 0);
    EXPECT_EQ(automatic_image_flags(), IMAGE_MASKED | IMAGE_FILTERED);
    EXPECT_EQ(automatic_mid_handle(), 0);
    close_display();
    set_render_driver(previous);
}

TEST(OpenDisplay, EachOpeningAndClosingAdvancesTheDisplaySequence) {
    TRecordingRenderDriver::Scope scope;
    int opened = display_seq();
    EXPECT_NE(opened, 0);
    close_display();
    EXPECT_EQ(display_seq(), opened + 1);
    EXPECT_FALSE(current_display());
    EXPECT_EQ(display_width(), 0);
    EXPECT_EQ(scope.driver().count("close_display"), 1);
    close_display(); // nothing open: nothing happens
    EXPECT_EQ(display_seq(), opened + 1);
    EXPECT_TRUE(open_display(640, 480, 0, 60, 0));
    EXPECT_EQ(display_seq(), opened + 2);
}

TEST(DrawState, SettersStoreThenForward) {
    TRecordingRenderDriver::Scope scope;
    TRecordingRenderDriver& d = scope.driver();
    const DrawStateRef& s = scope.display();
    set_color(300, -5, 7);
    set_alpha(2.0f);
    set_blend(BLEND_ALPHA);
    set_clear_color(1, 2, 3);
    set_line_width(2.5f);
    set_viewport(1, 2, 3, 4);
    // Stored unclamped: clamping is the driver's business.
    EXPECT_EQ(s->color_red, 300);
    EXPECT_EQ(s->color_green, -5);
    EXPECT_EQ(s->color_alpha, 2.0f);
    EXPECT_EQ(s->blend_mode, BLEND_ALPHA);
    EXPECT_EQ(s->clear_blue, 3);
    EXPECT_EQ(s->line_width, 2.5f);
    EXPECT_EQ(s->viewport_height, 4);
    EXPECT_EQ(d.log(), "set_color(300,-5,7)\nset_alpha(2)\nset_blend(3)\nset_clear_color(1,2,3)\n"
                       "set_line_width(2.5)\nset_viewport(1,2,3,4)\n");
    // Origin and handle are kept by the state alone.
    d.clear();
    set_origin(5, 6);
    set_handle(2, 3);
    EXPECT_TRUE(d.calls.empty());
    EXPECT_EQ(s->handle_x, -2.0f);
    EXPECT_EQ(s->handle_y, -3.0f);
}

TEST(DrawState, RotationAndScaleBuildTheMatrix) {
    TRecordingRenderDriver::Scope scope;
    const DrawStateRef& s = scope.display();
    set_scale(2, 3);
    EXPECT_EQ(scope.driver().last("set_transform").text(), "set_transform(2,0,0,3)");
    set_rotation(90);
    // ix = c*sx, iy = -s*sy, jx = s*sx, jy = c*sy; scale is kept.
    EXPECT_NEAR(s->matrix_ix, 0.0f, 1e-6);
    EXPECT_FLOAT_EQ(s->matrix_iy, -3.0f);
    EXPECT_FLOAT_EQ(s->matrix_jx, 2.0f);
    EXPECT_NEAR(s->matrix_jy, 0.0f, 1e-6);
    set_transform(30, 1, 1);
    EXPECT_FLOAT_EQ(s->matrix_jx, 0.5f);
    EXPECT_FLOAT_EQ(s->rotation, 30.0f);
    EXPECT_FLOAT_EQ(s->scale_y, 1.0f);
}

TEST(DrawState, PrimitivesBecomeLocalCornersAndATranslation) {
    TRecordingRenderDriver::Scope scope;
    TRecordingRenderDriver& d = scope.driver();
    set_origin(100, 200);
    set_handle(2, 3);
    draw_rect(10, 20, 5, 6);
    draw_oval(1, 2, 8, 9);
    plot(4, 5);
    const float xy[] = {0, 0, 10, 0, 5, 5};
    draw_poly(xy);
    EXPECT_EQ(d.log(), "draw_rect(-2,-3,3,3,110,220)\n"
                       "draw_oval(-2,-3,6,6,101,202)\n"
                       "plot(104,205)\n" // no handle, no matrix
                       "draw_poly(0,0,10,0,5,5,-2,-3,100,200)\n");
}

TEST(DrawState, LinesEndWithTheLastPixelWhereTheMatrixPutsIt) {
    TRecordingRenderDriver::Scope scope;
    TRecordingRenderDriver& d = scope.driver();
    set_origin(1, 1);
    set_scale(2, 2);
    d.clear();
    draw_line(10, 10, 13, 14);
    // B = 3, C = 4: (10 + 3*2 + 1, 10 + 4*2 + 1).
    EXPECT_EQ(d.log(), "draw_line(0,0,3,4,11,11)\nplot(17,19)\n");
    d.clear();
    draw_line(10, 10, 13, 14, 0);
    EXPECT_EQ(d.log(), "draw_line(0,0,3,4,11,11)\n");
}

TEST(SelectDisplay, ResendsTheStoredStateAndNullLeavesNoDisplay) {
    TRecordingRenderDriver::Scope scope;
    TRecordingRenderDriver& d = scope.driver();
    set_color(1, 2, 3);
    set_alpha(0.25f);
    set_viewport(0, 0, 10, 10);
    select_display(nullptr);
    EXPECT_EQ(display_width(), 0);
    EXPECT_FALSE(current_display());
    d.clear();
    select_display(scope.display());
    // Already validated: no defaults, no frames; the state goes back to the driver.
    EXPECT_EQ(d.log(),
              "select_display(1)\nset_blend(1)\nset_viewport(0,0,10,10)\nset_transform(1,0,0,1)\n"
              "set_color(1,2,3)\nset_alpha(0.25)\n");
    EXPECT_EQ(display_width(), 640);
}

TEST(PresentFrame, RunsTheFlipHooksFirst) {
    TRecordingRenderDriver::Scope scope;
    static int flips = 0;
    static TRecordingRenderDriver* seen = nullptr;
    seen = &scope.driver();
    auto hook = [](int, EventRef event, void*) -> EventRef {
        // The frame has not been shown yet when the hook runs.
        if (seen->count("present_frame") == 0) ++flips;
        return event;
    };
    add_hook(flip_hook_id(), hook, nullptr, 0);
    present_frame(1);
    remove_hook(flip_hook_id(), hook, nullptr);
    EXPECT_EQ(flips, 1);
    EXPECT_EQ(scope.driver().log(), "present_frame(1)\n");
}

TEST(PresentFrame, UnpacedDisplaysFlipWithSyncOne) {
    TRecordingRenderDriver::Scope scope(640, 480, 0); // hz 0: no soft sync
    present_frame(-1);
    EXPECT_EQ(scope.driver().log(), "present_frame(1)\n");
    // A display other than the one open_display made is not paced either.
    auto other = scope.driver().create_display(10, 10, 0, 60, 2);
    select_display(other);
    scope.driver().clear();
    present_frame(-1);
    EXPECT_EQ(scope.driver().log(), "present_frame(1)\n");
}
