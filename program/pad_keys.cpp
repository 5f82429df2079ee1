#include "program/pad_keys.h"

#include "game/game_state.h"

#include <initializer_list>

namespace {

const int key_enter = 13, key_escape = 27, key_pause = 80;
const int arrow_left = 37, arrow_up = 38, arrow_right = 39, arrow_down = 40;

using Controls = unsigned; // a bit per PadControl

constexpr Controls bit(PadControl control) {
    return 1u << static_cast<int>(control);
}

constexpr Controls left = bit(PadControl::Left), right = bit(PadControl::Right);
constexpr Controls up = bit(PadControl::Up), down = bit(PadControl::Down);
constexpr Controls a = bit(PadControl::A), b = bit(PadControl::B);
constexpr Controls start = bit(PadControl::Start), back = bit(PadControl::Back);

// One key test of a screen: the key it asks for and the controls it is meant for.
struct Test {
    int key;
    Controls controls;
};
using Tests = std::initializer_list<Test>;

Controls first_test_of(Tests tests, int key) {
    for (const Test& test : tests)
        if (test.key == key) return test.controls;
    return 0;
}

// `tests` in the order the screen makes them.
PadKeys keys_for(Tests tests) {
    PadKeys pad;
    for (int control = 0; control < platform::pad_control_count; ++control) {
        const Controls mine = 1u << control;
        for (const Test& test : tests) {
            if ((test.controls & mine) && (first_test_of(tests, test.key) & mine)) {
                pad.keys[control] = test.key;
                break;
            }
        }
    }
    return pad;
}

} // namespace

PadKeys title_pad_keys() {
    return keys_for({{arrow_left, left},
                     {key_left, left},
                     {arrow_right, right},
                     {key_right, right},
                     {key_enter, a | start},
                     {key_escape, back}});
}

PadKeys select_pad_keys() {
    // Escape is asked for only when there is no character to choose, to quit.
    return keys_for({{arrow_left, left},
                     {arrow_right, right},
                     {arrow_up, up},
                     {arrow_down, down},
                     {key_drop, a | start},
                     {key_enter, a | start},
                     {key_escape, back}});
}

PadKeys play_pad_keys() {
    return keys_for({{key_left, left}, {key_right, right}, {key_drop, a}, {key_pause, start}});
}

PadKeys pause_pad_keys() {
    return keys_for({{key_escape, b | back}, {key_pause, start}});
}

PadKeys game_over_pad_keys() {
    PadKeys pad;
    for (int& key : pad.keys) key = key_enter;
    pad.ends_key_waits = true;
    return pad;
}
