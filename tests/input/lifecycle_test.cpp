#include "input/input.h"
#include "input/polled_state.h"
#include "tests/input/input_fixture.h"
#include "tests/input/sdl_injector.h"

#include <csignal>

using Lifecycle = InputTest;

TEST_F(Lifecycle, NothingCountsWithoutADisplayAndOpeningOneStartsAfresh) {
    disable_polled_input();
    inject::tap(SDL_SCANCODE_A);
    inject::text("a");
    inject::button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 0, 0);
    EXPECT_EQ(key_hit(65), 0);
    EXPECT_EQ(get_char(), 0);
    EXPECT_EQ(mouse_hit(1), 0);

    // Held across the opening: it must be pressed again to count.
    inject::press(SDL_SCANCODE_B);
    enable_polled_input();
    EXPECT_EQ(key_down(66), 0);
    inject::release(SDL_SCANCODE_B);
    inject::tap(SDL_SCANCODE_B);
    EXPECT_EQ(key_hit(66), 1);
}

TEST_F(Lifecycle, ConnectingTwiceStillCountsEachEventOnce) {
    enable_polled_input();
    enable_polled_input();
    inject::text("a");
    inject::tap(SDL_SCANCODE_A);
    EXPECT_EQ(get_char(), 'a');
    EXPECT_EQ(get_char(), 0);
    EXPECT_EQ(key_hit(65), 1);

    disable_polled_input(); // one close disconnects
    inject::tap(SDL_SCANCODE_A);
    EXPECT_EQ(key_hit(65), 0);
    enable_polled_input();
}

TEST_F(Lifecycle, OnlyTheChosenSourceCountsWhileOneIsSet) {
    auto chosen = std::make_shared<int>(1);
    auto other = std::make_shared<int>(2);
    polled_input().input_source = chosen;
    emit_event(create_event(EVENT_KEY_DOWN, other, 70, 0, 0, 0));
    inject::tap(SDL_SCANCODE_F); // the game window's events carry no source
    EXPECT_EQ(key_hit(70), 0);
    emit_event(create_event(EVENT_KEY_DOWN, chosen, 70, 0, 0, 0));
    EXPECT_EQ(key_hit(70), 1);
    enable_polled_input(); // a display opening listens to everything again
    EXPECT_EQ(polled_input().input_source, nullptr);
}

TEST_F(Lifecycle, CloseButtonAndTerminationSignalsAskTheProgramToEnd) {
    EXPECT_EQ(app_terminate(), 0);
    inject::quit();
    EXPECT_EQ(app_terminate(), 1);
    EXPECT_EQ(app_terminate(), 0);
    std::raise(SIGTERM);
    EXPECT_EQ(app_terminate(), 1);
    std::raise(SIGINT);
    EXPECT_EQ(app_terminate(), 1);
    EXPECT_EQ(app_terminate(), 0);
}
