// Pads (game controllers) read as the keys they stand for.
//
// The screens ask for keys only. A press of a pad's control reaches them as a
// hit of the key that control stands for on the screen showing, which the
// program says as it moves from screen to screen.
#pragma once

#include "platform/platform.h"

using platform::PadControl;

struct PadKeys {
    // The key code (1..255) each control presses, indexed by PadControl; 0
    // presses nothing.
    int keys[platform::pad_control_count] = {};
    // Whether wait_key ends on a pad press. A wait that takes a keyboard
    // binding must not: a pad's button is no key to bind.
    bool ends_key_waits = false;
};

// Asked at every press, so that a press follows the screen and the player's
// key bindings as they are at that moment.
using PadKeysSource = PadKeys (*)();

class TKeyTests;

// From now on a press of any pad's control is a hit of the key that `source`
// gives it: key_hit counts it, wait_key too where the keys say so, and
// Enter, Escape, Backspace and Tab type their character as they do from the
// keyboard. A pad's button is never held down for key_down. Null makes pads
// press nothing. The first call starts listening to pads.
void set_pad_keys(PadKeysSource source);
// The same with the keys a screen's tests give the controls
// (input/key_tests.h); the tests must outlive their use here.
void set_pad_keys(const TKeyTests& tests);
