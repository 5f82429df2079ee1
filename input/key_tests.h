// A screen's key tests, said once: the keys it asks key_hit for, in the
// order it asks, each with the pad controls meant for it.
//
// A pad's press becomes a hit of a key (input/pads.h), and a key's hit goes
// to the first test that asks for that key. So each control is given the
// key of the first test meant for it whose key is first asked for by a test
// also meant for it: whatever the player binds, a press reaches a test
// meant for it or none at all (with drop bound to the Left arrow, pad left
// still only moves the cursor). The screen asks through the same list, in
// its order, so the two cannot disagree.
#pragma once

#include "input/pads.h"

#include <initializer_list>
#include <vector>

// Pad controls as bits, one a PadControl.
using PadControls = unsigned;
namespace pad {
constexpr PadControls bit(PadControl control) {
    return 1u << static_cast<int>(control);
}
inline constexpr PadControls left = bit(PadControl::Left), right = bit(PadControl::Right),
                             up = bit(PadControl::Up), down = bit(PadControl::Down),
                             a = bit(PadControl::A), b = bit(PadControl::B),
                             start = bit(PadControl::Start), back = bit(PadControl::Back),
                             any = (1u << platform::pad_control_count) - 1;
} // namespace pad

// The key a test asks for: a fixed code, or a binding read each time, so
// that the player's rebinding counts at once.
class TKeySource {
  public:
    TKeySource(int code) : code_(code) {}
    TKeySource(const int* binding) : binding_(binding) {}
    int code() const { return binding_ ? *binding_ : code_; }

  private:
    int code_ = 0;
    const int* binding_ = nullptr;
};

struct KeyTest {
    int id; // its place in the list, said beside it so that names and places agree
    TKeySource key;
    PadControls meant_for = 0;
};

class TKeyTests {
  public:
    // The tests in the order the screen asks them; each one's id is its
    // place. `ends_key_waits`: a pad press also ends a wait_key.
    TKeyTests(std::initializer_list<KeyTest> tests, bool ends_key_waits = false);

    // What each pad control presses with the bindings of this moment.
    PadKeys pad_keys() const;

    const KeyTest& operator[](int id) const { return tests_[static_cast<std::size_t>(id)]; }
    int size() const { return static_cast<int>(tests_.size()); }

  private:
    std::vector<KeyTest> tests_;
    bool ends_key_waits_;
};

// One pass of a screen's loop over its tests. Asking a test listed before
// one already asked in the same pass is a fault of the screen's code (its
// pad's row would no longer follow it) and raises a runtime error; tests
// may be skipped.
class TKeyPass {
  public:
    explicit TKeyPass(const TKeyTests& tests) : tests_(tests) {}
    // key_hit of the test's key.
    int hit(int id);

  private:
    const TKeyTests& tests_;
    int last_ = -1;
};
