// The screens driven frame by frame: key presses and typing are pushed into
// the real input queue at chosen frames, drawing goes to a recording driver.
#include "audio/startup.h"
#include "game/game_state.h"
#include "graphics/display.h"
#include "graphics/startup.h"
#include "input/input.h"
#include "input/startup.h"
#include "platform/platform.h"
#include "program/game_loop.h"
#include "program/pad_keys.h"
#include "screens/character_select.h"
#include "screens/key_names.h"
#include "screens/key_setup.h"
#include "screens/name_entry.h"
#include "screens/score_tables.h"
#include "screens/title_menu.h"
#include "system/event.h"
#include "system/messages.h"
#include "tests/input/sdl_injector.h"
#include "tests/support/recording_render_driver.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <thread>
#include <unistd.h>

namespace {

// Runs an action just before the given frame is presented (frames count
// from 1 after the script starts).
class FrameScript {
  public:
    explicit FrameScript(std::map<int, std::function<void()>> actions)
        : actions_(std::move(actions)) {
        add_hook(flip_hook_id(), on_flip, this, 0);
    }
    ~FrameScript() { remove_hook(flip_hook_id(), on_flip, this); }
    FrameScript(const FrameScript&) = delete;
    FrameScript& operator=(const FrameScript&) = delete;

    int frames() const { return frame_; }

  private:
    static EventRef on_flip(int, EventRef event, void* context) {
        auto* script = static_cast<FrameScript*>(context);
        auto action = script->actions_.find(++script->frame_);
        if (action != script->actions_.end()) action->second();
        // A screen that never ends would hang the test: fail loudly instead.
        if (script->frame_ > 2000) throw std::runtime_error("the screen never returned");
        return event;
    }
    std::map<int, std::function<void()>> actions_;
    int frame_ = 0;
};

class Screens : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        input_startup();
        graphics_startup();
        audio_startup();
        static platform::Window* window = platform::open_window(platform::WindowSpec{});
        ASSERT_NE(window, nullptr);
    }
    void SetUp() override {
        reset_game_state();
        fill_key_names();
        flush_keys();
    }
    TRecordingRenderDriver::Scope display_;
};

} // namespace

TEST_F(Screens, NameEntryTakesPrintableCharactersOneAFrame) {
    player_name = "old";
    FrameScript script({{2, [] { inject::text("Ab\xc3\xa9~"); }}, // é is above 126
                        {3, [] { inject::tap(SDL_SCANCODE_TAB); }},
                        {9, [] { inject::tap(SDL_SCANCODE_BACKSPACE); }},
                        {10, [] { inject::text(" c"); }},
                        {14, [] { inject::tap(SDL_SCANCODE_RETURN); }}});
    run_name_entry();
    EXPECT_EQ(player_name, "Ab c");
    EXPECT_GE(script.frames(), 15);
    EXPECT_EQ(key_hit(13), 0) << "the Enter that ended the entry is forgotten";
}

TEST_F(Screens, BackspaceOnAnEmptyNameAndEnterAtOnce) {
    std::string name;
    EXPECT_FALSE(apply_name_char(name, 8));
    EXPECT_EQ(name, "");
    EXPECT_FALSE(apply_name_char(name, 127));
    EXPECT_FALSE(apply_name_char(name, 27));
    EXPECT_FALSE(apply_name_char(name, 200));
    EXPECT_TRUE(apply_name_char(name, 13));
    EXPECT_EQ(name, "");
}

TEST_F(Screens, TitleMenuHonoursTheBoundLeftKeyAndStartsFromTheCentre) {
    key_left = 65; // A
    FrameScript script({{60, [] { inject::tap(SDL_SCANCODE_A, SDLK_a); }},
                        {61, [] { inject::tap(SDL_SCANCODE_RETURN); }}, // name entry
                        {64, [] { inject::text("Zed"); }},
                        {70, [] { inject::tap(SDL_SCANCODE_RETURN); }},
                        {72, [] { inject::tap(SDL_SCANCODE_RIGHT); }},
                        {73, [] { inject::tap(SDL_SCANCODE_RETURN); }}});
    run_title_menu();
    EXPECT_EQ(player_name, "Zed") << "A moved the pointer left, onto the name panel";
    EXPECT_EQ(quit_requested, 0) << "Enter on the centre entry starts a game";
    EXPECT_GT(display_.driver().count("frame_draw"), 100);
}

TEST_F(Screens, TitleMenuEscapeQuitsAfterTheFadeOut) {
    FrameScript script({{55, [] { inject::tap(SDL_SCANCODE_ESCAPE); }}});
    run_title_menu();
    EXPECT_EQ(quit_requested, 1);
    EXPECT_GE(script.frames(), 52 + 3 + 52);
    EXPECT_LE(script.frames(), 52 + 6 + 52);
    EXPECT_EQ(display_.driver().last("set_color").text(), "set_color(0,0,0)");
}

// A damaged score file can hold a name of a megabyte. The title draws the
// tables every frame, so such a name must cost no more than any long name.
TEST_F(Screens, AHugeNameFromTheScoreFileCostsTheTitleNoMoreThanALongOne) {
    auto draw_calls_with = [this](const std::string& name) {
        cleared_names[0] = name;
        display_.driver().clear();
        draw_title_scores();
        return display_.driver().calls.size();
    };
    size_t typical = draw_calls_with("A. Lumivessa");
    draw_calls_with(std::string(1000, 'N')); // the glyph's texture is made once, here
    size_t long_name = draw_calls_with(std::string(1000, 'N'));
    size_t huge_name = draw_calls_with(std::string(1 << 20, 'N'));
    EXPECT_GT(long_name, typical);
    EXPECT_EQ(huge_name, long_name);
    EXPECT_LT(huge_name, 2000u);
    EXPECT_EQ(cleared_names[0].size(), 1u << 20) << "the name itself is kept whole";
}

TEST_F(Screens, KeySetupBindsThreeKeysAndRefusesP) {
    set_pad_keys(title_pad_keys);
    inject::Pad pad; // whose presses are no keys to bind
    // Each prompt waits for a key pressed after it appears, so the presses
    // come from another thread, a little after each prompt.
    std::thread player([&pad] {
        auto press_later = [&pad](SDL_Scancode code, SDL_Keycode sym) {
            platform::sleep_ms(100);
            pad.hold(SDL_CONTROLLER_BUTTON_A);
            platform::sleep_ms(50);
            pad.hold(SDL_CONTROLLER_BUTTON_A, false);
            platform::sleep_ms(50);
            inject::tap(code, sym);
            platform::post_notice(0); // wakes the waiting main thread
        };
        press_later(SDL_SCANCODE_P, SDLK_p);
        press_later(SDL_SCANCODE_LSHIFT, SDLK_LSHIFT);
        press_later(SDL_SCANCODE_D, SDLK_d);
        press_later(SDL_SCANCODE_SPACE, SDLK_SPACE);
    });
    run_key_setup();
    player.join();
    EXPECT_EQ(key_left, 160) << "P was refused, left Shift taken";
    EXPECT_EQ(key_right, 68);
    EXPECT_EQ(key_drop, 32);
    EXPECT_EQ(key_name(key_left), "Shift (Left)");
    EXPECT_EQ(display_.driver().named("present_frame").size(), 4u)
        << "the dimmed title, three prompts";
    EXPECT_EQ(key_hit(13), 0) << "nor do they act once the keys are bound";
}

// Pads, row by row of README's table, each screen driven by a pad alone.
using inject::Pad;

TEST_F(Screens, TitleAndNameEntryByPad) {
    set_pad_keys(title_pad_keys);
    Pad pad;
    FrameScript script({{55, [&] { pad.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT); }},
                        {56, [&] { pad.press(SDL_CONTROLLER_BUTTON_A); }}, // name entry
                        {58, [] { inject::text("Pia"); }},
                        {63, [&] { pad.press(SDL_CONTROLLER_BUTTON_B); }}, // nothing here
                        {64, [&] { pad.press(SDL_CONTROLLER_BUTTON_BACK); }},
                        {66, [&] { pad.press(SDL_CONTROLLER_BUTTON_START); }}, // accepts
                        {68, [&] { pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 30000); }},
                        {69, [&] { pad.press(SDL_CONTROLLER_BUTTON_B); }},
                        {72, [&] { pad.press(SDL_CONTROLLER_BUTTON_BACK); }}}); // quits
    run_title_menu();
    EXPECT_EQ(player_name, "Pia");
    EXPECT_EQ(quit_requested, 1);
    EXPECT_GE(script.frames(), 72 + 52) << "neither B nor the Escape typed in the name quit";
}

TEST_F(Screens, PadRightNeverMovesTheTitlePointerLeft) {
    key_left = 39; // so the Right arrow moves the pointer left here
    key_right = 37;
    set_pad_keys(title_pad_keys);
    Pad pad;
    FrameScript script({{55, [&] { pad.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT); }},
                        {56, [&] { pad.press(SDL_CONTROLLER_BUTTON_A); }}});
    run_title_menu();
    EXPECT_EQ(quit_requested, 0) << "still on the centre entry, a game starts";
}

TEST_F(Screens, CharacterSelectByPadWithDropBoundToUp) {
    key_drop = 38;
    const std::string here = std::filesystem::current_path();
    ASSERT_EQ(chdir(ORVESSA_PROGRAM_DIR), 0); // where chars/ is
    set_pad_keys(select_pad_keys);
    Pad pad;
    FrameScript script({{25, [&] { pad.press(SDL_CONTROLLER_BUTTON_DPAD_UP); }},
                        {26, [&] { pad.stick(SDL_CONTROLLER_AXIS_LEFTX, 20000); }},
                        {27, [&] { pad.press(SDL_CONTROLLER_BUTTON_B); }},
                        {28, [&] { pad.press(SDL_CONTROLLER_BUTTON_BACK); }},
                        {29, [&] { pad.press(SDL_CONTROLLER_BUTTON_A); }}});
    EXPECT_EQ(run_character_select(), 42) << "up, right, chosen: A did not move up";
    ASSERT_EQ(chdir(here.c_str()), 0);
}

TEST_F(Screens, PlayPauseAndGameOverByPadWhateverTheBindings) {
    set_pad_keys(play_pad_keys);
    Pad pad;
    pump_messages(); // the game opens it
    auto frame_after = [&](std::initializer_list<SDL_GameControllerButton> buttons) {
        for (auto button : buttons) pad.press(button);
        return read_play_keys();
    };
    key_left = 90;
    key_drop = 37; // the Left arrow drops
    EXPECT_FALSE(frame_after({SDL_CONTROLLER_BUTTON_DPAD_LEFT}));
    EXPECT_EQ(cursor_column, 3);
    EXPECT_FALSE(frame_after({SDL_CONTROLLER_BUTTON_A}));
    EXPECT_EQ(runes_dropped, 1);
    // Left and drop on one key: the key only moves, and so does pad left;
    // A then has no key of its own and does nothing.
    key_left = 37;
    EXPECT_FALSE(frame_after({SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B,
                              SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_X}));
    EXPECT_FALSE(frame_after({SDL_CONTROLLER_BUTTON_DPAD_LEFT}));
    EXPECT_EQ(cursor_column, 2);
    EXPECT_EQ(runes_dropped, 1);
    EXPECT_TRUE(frame_after({SDL_CONTROLLER_BUTTON_START})) << "pauses";

    set_pad_keys(pause_pad_keys);
    for (auto button : {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_DPAD_LEFT})
        pad.press(button);
    EXPECT_EQ(key_hit(27) + key_hit(80), 0);
    pad.press(SDL_CONTROLLER_BUTTON_B);
    pad.press(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(key_hit(27), 2) << "gives up";
    pad.press(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(key_hit(80), 1) << "resumes";

    set_pad_keys(game_over_pad_keys);
    pad.press(SDL_CONTROLLER_BUTTON_Y);
    EXPECT_EQ(key_hit(13), 1) << "any button ends the wait for a key";
}

TEST(CharacterSelect, HoneycombPlacesAndCursorBounds) {
    int cells = 0;
    for (int column = 1; column <= 5; ++column)
        for (int row = 1; row <= 5; ++row) cells += in_honeycomb(column, row) ? 1 : 0;
    EXPECT_EQ(cells, 19);
    EXPECT_EQ(cell_x(1, 3), 200);
    EXPECT_EQ(cell_y(1, 3), 120);
    EXPECT_EQ(cell_x(5, 3), 520);
    EXPECT_EQ(cell_y(3, 5), 360);

    int column = 1, row = 3;
    move_select_cursor(37, column, row);
    EXPECT_EQ(column, 1) << "column 1 is the edge";
    column = 3, row = 1;
    move_select_cursor(37, column, row);
    EXPECT_EQ(column, 3) << "column + row may not fall below 4";
    column = 5, row = 3;
    move_select_cursor(39, column, row);
    move_select_cursor(40, column, row);
    EXPECT_EQ(column, 5);
    EXPECT_EQ(row, 3);
    column = 3, row = 3;
    move_select_cursor(38, column, row);
    move_select_cursor(39, column, row);
    EXPECT_EQ(column, 4);
    EXPECT_EQ(row, 2);
}
