#include "input/input.h"
#include "input/key_codes.h"
#include "input/key_tests.h"
#include "input/pads.h"
#include "platform/platform.h"
#include "system/messages.h"
#include "system/runtime_error.h"
#include "tests/input/input_fixture.h"
#include "tests/input/sdl_injector.h"

#include <memory>
#include <utility>
#include <vector>

using Keys = InputTest;

TEST_F(Keys, AHeldKeyCountsOnceWhateverItsAutoRepeat) {
    inject::press(SDL_SCANCODE_A);
    for (int i = 0; i < 30; ++i) inject::repeat(SDL_SCANCODE_A);
    EXPECT_EQ(key_hit(65), 1);
    EXPECT_EQ(key_down(65), 1);
    inject::repeat(SDL_SCANCODE_A);
    EXPECT_EQ(key_hit(65), 0);
    // However the press is reported again, it is the same press.
    emit_event(create_event(EVENT_KEY_DOWN, nullptr, 65, 0, 0, 0));
    EXPECT_EQ(key_hit(65), 0);
    inject::release(SDL_SCANCODE_A);
    EXPECT_EQ(key_down(65), 0);
    EXPECT_EQ(key_hit(65), 0);
}

TEST_F(Keys, EveryPressBetweenTwoPollsCounts) {
    inject::tap(SDL_SCANCODE_SPACE);
    inject::tap(SDL_SCANCODE_SPACE);
    EXPECT_EQ(key_hit(32), 2);
    EXPECT_EQ(key_hit(32), 0);
    // A press whose release is still to come counts as well.
    inject::tap(SDL_SCANCODE_SPACE);
    inject::press(SDL_SCANCODE_SPACE);
    EXPECT_EQ(key_hit(32), 2);
    EXPECT_EQ(key_down(32), 1);
}

TEST_F(Keys, ModifierKeysReportTheirSideNeverTheGenericCode) {
    const std::pair<SDL_Scancode, int> modifiers[] = {
        {SDL_SCANCODE_LSHIFT, 160}, {SDL_SCANCODE_RSHIFT, 161}, {SDL_SCANCODE_LCTRL, 162},
        {SDL_SCANCODE_RCTRL, 163},  {SDL_SCANCODE_LALT, 164},   {SDL_SCANCODE_RALT, 165},
        {SDL_SCANCODE_LGUI, 91},    {SDL_SCANCODE_RGUI, 92},
    };
    for (const auto& [scancode, code] : modifiers) inject::tap(scancode);
    for (const auto& [scancode, code] : modifiers) EXPECT_EQ(key_hit(code), 1) << code;
    EXPECT_EQ(key_hit(16), 0);
    EXPECT_EQ(key_hit(17), 0);
    EXPECT_EQ(key_hit(18), 0);
}

TEST_F(Keys, TheGamesFixedKeysAndTheChosenCodesArrive) {
    // The keys the game acts on by code, and the codes that had to be chosen
    // for the key names: both Enter keys are Enter, the main keyboard's minus
    // and equals are 189 and 187, keypad divide is 111.
    const std::pair<SDL_Scancode, int> keys[] = {
        {SDL_SCANCODE_BACKSPACE, 8}, {SDL_SCANCODE_RETURN, 13},
        {SDL_SCANCODE_KP_ENTER, 13}, {SDL_SCANCODE_ESCAPE, 27},
        {SDL_SCANCODE_SPACE, 32},    {SDL_SCANCODE_LEFT, 37},
        {SDL_SCANCODE_UP, 38},       {SDL_SCANCODE_RIGHT, 39},
        {SDL_SCANCODE_DOWN, 40},     {SDL_SCANCODE_P, 80},
        {SDL_SCANCODE_KP_0, 96},     {SDL_SCANCODE_KP_DIVIDE, 111},
        {SDL_SCANCODE_F12, 123},     {SDL_SCANCODE_EQUALS, 187},
        {SDL_SCANCODE_MINUS, 189},   {SDL_SCANCODE_NONUSBACKSLASH, 226},
    };
    EventRecorder recorder;
    std::vector<int> expected;
    for (const auto& [scancode, code] : keys) {
        inject::tap(scancode);
        expected.push_back(code);
    }
    pump_messages();
    EXPECT_EQ(recorder.data_of(EVENT_KEY_DOWN), expected);
    EXPECT_EQ(recorder.data_of(EVENT_KEY_UP), expected);
}

TEST_F(Keys, LettersAndDigitsFollowTheLayoutOtherKeysTheirPlace) {
    EventRecorder recorder;
    // French layout: A and Q swap places; the digit row types symbols but
    // still reports digits.
    inject::tap(SDL_SCANCODE_Q, SDLK_a);
    inject::tap(SDL_SCANCODE_A, SDLK_q);
    inject::tap(SDL_SCANCODE_1, SDLK_AMPERSAND);
    inject::tap(SDL_SCANCODE_MINUS, SDLK_RIGHTPAREN);
    // A Cyrillic letter has no code of its own: the key's place names it.
    inject::tap(SDL_SCANCODE_F, 0x430);
    pump_messages();
    EXPECT_EQ(recorder.data_of(EVENT_KEY_DOWN), (std::vector<int>{65, 81, 49, 189, 70}));
}

TEST_F(Keys, KeysWithoutACodeSendNothing) {
    EventRecorder recorder;
    inject::tap(SDL_SCANCODE_AUDIOMUTE);
    inject::tap(SDL_SCANCODE_INTERNATIONAL1);
    inject::tap(SDL_SCANCODE_UNKNOWN);
    pump_messages();
    EXPECT_TRUE(recorder.events.empty());
    for (int key = 0; key <= 255; ++key) ASSERT_EQ(key_hit(key), 0) << key;
}

TEST_F(Keys, TheWindowsFullScreenKeysNeverReachTheGameWhereTheyWork) {
    // Over a window that cannot change they are keys like any other.
    inject::tap(SDL_SCANCODE_F11);
    EXPECT_EQ(key_hit(122), 1);

    platform::WindowSpec spec;
    spec.scaled = true;
    platform::Window* scaled = platform::open_window(spec);
    ASSERT_NE(scaled, nullptr);
    platform::show_scaled_window(scaled, platform::PictureRoute::OpenGL);
    inject::key_window = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    EventRecorder recorder;
    inject::tap(SDL_SCANCODE_F11);
    // Alt+Enter; the Enter is let go after the Alt, and is still the window's.
    inject::press(SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT);
    inject::press(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
    inject::release(SDL_SCANCODE_LALT);
    inject::release(SDL_SCANCODE_RETURN);
    pump_messages();
    EXPECT_EQ(recorder.data_of(EVENT_KEY_DOWN), (std::vector<int>{164}));
    EXPECT_EQ(recorder.data_of(EVENT_KEY_UP), (std::vector<int>{164}));
    EXPECT_EQ(get_char(), 0);
    // Enter alone is the game's again.
    inject::tap(SDL_SCANCODE_RETURN);
    EXPECT_EQ(key_hit(13), 1);
    EXPECT_EQ(get_char(), 13);
    // Held from before Alt went down, it repeats as Alt+Enter and is still
    // the game's, its release too.
    inject::press(SDL_SCANCODE_RETURN);
    inject::press(SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT);
    inject::repeat(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
    inject::release(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
    inject::release(SDL_SCANCODE_LALT);
    EXPECT_EQ(key_hit(13), 1);
    EXPECT_EQ(key_down(13), 0);
    inject::key_window = 0;
    platform::close_window(scaled);
}

TEST_F(Keys, EnterBackspaceTabAndEscapeTypeTheirCharactersRepeatsIncluded) {
    inject::tap(SDL_SCANCODE_RETURN);
    inject::press(SDL_SCANCODE_BACKSPACE);
    inject::repeat(SDL_SCANCODE_BACKSPACE);
    inject::repeat(SDL_SCANCODE_BACKSPACE);
    inject::release(SDL_SCANCODE_BACKSPACE);
    inject::tap(SDL_SCANCODE_TAB);
    inject::tap(SDL_SCANCODE_ESCAPE);
    inject::tap(SDL_SCANCODE_KP_ENTER);
    inject::tap(SDL_SCANCODE_SPACE); // types through text input, not here
    const int expected[] = {13, 8, 8, 8, 9, 27, 13};
    for (int code : expected) EXPECT_EQ(get_char(), code);
    EXPECT_EQ(get_char(), 0);
    EXPECT_EQ(key_hit(8), 1);
}

TEST_F(Keys, EveryEventCarriesTheModifiersOfItsMoment) {
    EventRecorder recorder;
    inject::press(SDL_SCANCODE_LSHIFT, SDLK_UNKNOWN, KMOD_LSHIFT);
    inject::text("A");
    inject::button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6);
    inject::release(SDL_SCANCODE_LSHIFT, SDLK_UNKNOWN, KMOD_NONE);
    inject::text("a");
    inject::press(SDL_SCANCODE_RCTRL, SDLK_UNKNOWN, KMOD_RCTRL | KMOD_LALT | KMOD_RGUI | KMOD_NUM);
    inject::release(SDL_SCANCODE_RCTRL, SDLK_UNKNOWN, KMOD_NONE);
    pump_messages();
    std::vector<int> mods;
    for (const auto& seen : recorder.events) mods.push_back(seen.mods);
    EXPECT_EQ(mods, (std::vector<int>{1, 1, 1, 0, 0, 2 | 4 | 8, 0}));
}

TEST_F(Keys, CodesOutsideTheRangeAreRefusedNotStored) {
    EXPECT_EQ(key_hit(-1), 0);
    EXPECT_EQ(key_hit(256), 0);
    EXPECT_EQ(key_down(1 << 20), 0);
    // Events may be emitted by any code; a stray code must not reach past the table.
    emit_event(create_event(EVENT_KEY_DOWN, nullptr, 300, 0, 0, 0));
    emit_event(create_event(EVENT_KEY_DOWN, nullptr, -7, 0, 0, 0));
    emit_event(create_event(EVENT_MOUSE_DOWN, nullptr, 9, 0, 0, 0));
    for (int key = 0; key <= 255; ++key) ASSERT_EQ(key_hit(key), 0) << key;
    for (int button = 1; button <= 3; ++button) EXPECT_EQ(mouse_hit(button), 0);
}

// Each control presses the key of its place in the alphabet: A for left,
// B for right and so on; Start presses Enter, Back Escape, any other button G.
PadKeys lettered_pad_keys() {
    return PadKeys{{65, 66, 67, 68, 69, 70, 13, 27, 71}, false};
}

TEST_F(Keys, PadButtonsAndTheLeftStickPressTheirKeysOncePerPush) {
    set_pad_keys(lettered_pad_keys);
    inject::Pad pad;
    pump_messages();
    for (auto button :
         {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
          SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_A,
          SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_BACK,
          SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_GUIDE})
        pad.press(button);
    pad.hold(SDL_CONTROLLER_BUTTON_A); // held: one press, and no key held down
    EXPECT_EQ(platform::open_pad_count(), 1);
    for (int key = 65; key <= 71; ++key)
        EXPECT_EQ(key_hit(key), key == 69 || key == 71 ? 2 : 1) << key;
    EXPECT_EQ(key_down(69), 0);
    EXPECT_EQ(key_hit(13) + key_hit(27), 2);
    EXPECT_EQ(get_char(), 13) << "Enter and Escape type their characters";
    EXPECT_EQ(get_char(), 27);
    EXPECT_EQ(get_char(), 0);

    // Past half way and back under a quarter is one push; triggers and the
    // right stick press nothing.
    const std::pair<SDL_GameControllerAxis, int> moves[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, 16000},  {SDL_CONTROLLER_AXIS_LEFTX, 17000},
        {SDL_CONTROLLER_AXIS_LEFTX, 32767},  {SDL_CONTROLLER_AXIS_LEFTX, 9000},
        {SDL_CONTROLLER_AXIS_LEFTX, 20000},  {SDL_CONTROLLER_AXIS_LEFTX, 8000},
        {SDL_CONTROLLER_AXIS_LEFTX, 20000},  {SDL_CONTROLLER_AXIS_LEFTX, -32768},
        {SDL_CONTROLLER_AXIS_LEFTY, -20000}, {SDL_CONTROLLER_AXIS_LEFTY, 20000},
        {SDL_CONTROLLER_AXIS_RIGHTX, 32767}, {SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767}};
    for (const auto& [axis, value] : moves) pad.stick(axis, value);
    EXPECT_EQ(key_hit(66), 2) << "right: pushed twice";
    EXPECT_EQ(key_hit(65), 1);
    EXPECT_EQ(key_hit(67), 1);
    EXPECT_EQ(key_hit(68), 1);
    for (int key = 1; key <= 255; ++key) ASSERT_EQ(key_hit(key), 0) << key;
    set_pad_keys(nullptr);
}

// A screen's pad row is its list of tests, in the order it asks them: with
// left and drop on one key, A has no key of its own where left is asked
// first, and drops where drop is; and a screen cannot ask in another order.
TEST_F(Keys, APadFollowsTheOrderAScreenAsksItsTestsIn) {
    int shared = key::left;
    const TKeyTests left_first{{0, &shared, pad::left}, {1, &shared, pad::a}};
    const TKeyTests drop_first{{0, &shared, pad::a}, {1, &shared, pad::left}};
    inject::Pad pad;
    pump_messages();
    set_pad_keys(left_first);
    pad.press(SDL_CONTROLLER_BUTTON_A);
    TKeyPass moving(left_first);
    EXPECT_EQ(moving.hit(0) + moving.hit(1), 0);
    set_pad_keys(drop_first);
    pad.press(SDL_CONTROLLER_BUTTON_A);
    TKeyPass dropping(drop_first);
    EXPECT_EQ(dropping.hit(0), 1);
    TKeyPass reordered(drop_first);
    reordered.hit(1);
    EXPECT_THROW(reordered.hit(0), TRuntimeError);
    set_pad_keys(nullptr);
}

TEST_F(Keys, PadsPluggedInAndOutMidGameChangeNothingElse) {
    set_pad_keys(lettered_pad_keys);
    auto first = std::make_unique<inject::Pad>();
    inject::Pad second;
    pump_messages();
    EXPECT_EQ(platform::open_pad_count(), 2);
    first->press(SDL_CONTROLLER_BUTTON_A);
    second.press(SDL_CONTROLLER_BUTTON_A);
    inject::press(SDL_SCANCODE_SPACE);
    first.reset();
    EXPECT_EQ(key_hit(69), 2);
    EXPECT_EQ(platform::open_pad_count(), 1);
    second.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(key_hit(65), 1);
    EXPECT_EQ(key_down(32), 1) << "the keyboard's held key is still held";
    inject::release(SDL_SCANCODE_SPACE);
    set_pad_keys(nullptr);
    second.press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(key_hit(69), 0) << "pads press nothing once the program says so";
}
