#include "input/input.h"
#include "system/messages.h"
#include "tests/input/input_fixture.h"
#include "tests/input/sdl_injector.h"

using Mouse = InputTest;

TEST_F(Mouse, ButtonsCountAsMouseHitsNeverAsKeys) {
    inject::button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20);
    inject::button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 20);
    inject::button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20);
    inject::button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 10, 20);
    inject::button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 10, 20);
    inject::button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 10, 20);
    inject::button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 10, 20);
    EXPECT_EQ(mouse_hit(1), 2);
    EXPECT_EQ(mouse_hit(2), 1);
    EXPECT_EQ(mouse_hit(3), 1);
    EXPECT_EQ(mouse_down(1), 1);
    EXPECT_EQ(mouse_down(2), 1);
    EXPECT_EQ(mouse_down(3), 0);
    for (int key = 0; key <= 255; ++key) ASSERT_EQ(key_hit(key), 0) << key;
    EXPECT_EQ(mouse_hit(0), 0);
    EXPECT_EQ(mouse_hit(4), 0);
}

TEST_F(Mouse, PositionFollowsMotionAndTheWheelAddsUpItsNotches) {
    EventRecorder recorder;
    inject::motion(123, 45);
    inject::wheel(3);
    inject::wheel(-1);
    inject::wheel(2, true); // a "natural scrolling" device: SDL reports it reversed
    EXPECT_EQ(mouse_x(), 123);
    EXPECT_EQ(mouse_y(), 45);
    EXPECT_EQ(mouse_z(), 4);
    EXPECT_EQ(recorder.data_of(EVENT_MOUSE_WHEEL), (std::vector<int>{3, -1, 2}));

    inject::button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 2);
    flush_mouse();
    EXPECT_EQ(mouse_z(), 0);
    EXPECT_EQ(mouse_hit(1), 0);
    EXPECT_EQ(mouse_down(1), 0);
    EXPECT_EQ(mouse_x(), 123); // the pointer has not moved
}

TEST_F(Mouse, EnteringAndLeavingTheWindowAreReported) {
    EventRecorder recorder;
    inject::window(SDL_WINDOWEVENT_ENTER);
    inject::motion(7, 8);
    inject::window(SDL_WINDOWEVENT_LEAVE);
    pump_messages();
    EXPECT_EQ(recorder.ids(),
              (std::vector<int>{EVENT_MOUSE_ENTER, EVENT_MOUSE_MOVE, EVENT_MOUSE_LEAVE}));
}

TEST_F(Mouse, ThePointerEndsShownOrHiddenNeverStacked) {
    hide_mouse();
    hide_mouse();
    show_mouse();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    show_mouse();
    show_mouse();
    hide_mouse();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    show_mouse();
}
