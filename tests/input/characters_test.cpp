#include "input/input.h"
#include "input/polled_state.h"
#include "tests/input/input_fixture.h"
#include "tests/input/sdl_injector.h"

#include <string>
#include <vector>

using Typing = InputTest;

TEST_F(Typing, ThreeHundredUnreadCharactersKeepTheFirst256InOrder) {
    std::vector<int> typed;
    for (int i = 0; i < 300; ++i) typed.push_back(33 + i % 90);
    for (std::size_t at = 0; at < typed.size(); at += 25) {
        std::string chunk;
        for (std::size_t i = at; i < at + 25 && i < typed.size(); ++i)
            chunk += static_cast<char>(typed[i]);
        inject::text(chunk.c_str());
    }
    for (int i = 0; i < 256; ++i) ASSERT_EQ(get_char(), typed[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(get_char(), 0);
    // Room again once read.
    inject::text("k");
    EXPECT_EQ(get_char(), 'k');
}

TEST_F(Typing, OneByteCharactersArriveOthersAndMalformedTextDoNot) {
    inject::text("\xC3\xA9\xE2\x82\xAC\xC3\xBF"); // é, € (no one-byte code), ÿ
    inject::text("\xC0\xBC\xE0\x80\xBC");         // overlong forms of '<'
    inject::text("\xE2\x82x");                    // cut short, then 'x'
    inject::text("\xED\xA0\x80");                 // a lone surrogate
    inject::text("\xF4\x90\x80\x80");             // beyond the last code point
    inject::text("\xC2\xA0\xF0\x9F\x98\x80");     // no-break space, an emoji
    const int expected[] = {233, 255, 'x', 160};
    for (int code : expected) EXPECT_EQ(get_char(), code);
    EXPECT_EQ(get_char(), 0);
}

TEST_F(Typing, LosingTheWindowForgetsHitsHeldKeysAndCharacters) {
    inject::tap(SDL_SCANCODE_A);
    inject::press(SDL_SCANCODE_B);
    inject::text("xy");
    inject::button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 1);
    inject::window(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_EQ(key_hit(65), 0);
    EXPECT_EQ(key_down(66), 0);
    EXPECT_EQ(get_char(), 0);
    EXPECT_EQ(mouse_down(1), 0);
    EXPECT_EQ(polled_input().app_suspended, 1);

    // Whatever was typed elsewhere in between counts for nothing either.
    inject::text("z");
    inject::window(SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_EQ(get_char(), 0);
    EXPECT_EQ(polled_input().app_suspended, 0);
    inject::tap(SDL_SCANCODE_B);
    EXPECT_EQ(key_hit(66), 1);
}

TEST_F(Typing, FlushForgetsEverythingAndHeldKeysMustBePressedAgain) {
    inject::press(SDL_SCANCODE_C);
    inject::text("abc");
    flush_keys();
    EXPECT_EQ(get_char(), 0);
    EXPECT_EQ(key_down(67), 0);
    inject::repeat(SDL_SCANCODE_C);
    EXPECT_EQ(key_hit(67), 0);
    inject::release(SDL_SCANCODE_C);
    inject::tap(SDL_SCANCODE_C);
    EXPECT_EQ(key_hit(67), 1);
}
