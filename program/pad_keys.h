// What a pad's controls stand for on each screen: keys that screen asks for.
//
// A screen's key tests each take the hits of the key they ask for, in the
// order they are made, so a hit of a key that two tests ask for goes to the
// first. Each control is therefore given the first of its keys whose first
// test on that screen is meant for it. Whatever keys the player binds, a
// control's press reaches a test meant for it, or none at all: with drop
// bound to the left arrow, pad left still only moves the cursor.
//
// Each is asked at the moment of a press, with the bindings of that moment.
#pragma once

#include "input/pads.h"

// The title menu, and the name entry and key configuration it opens; the
// key configuration takes keys from the keyboard only.
PadKeys title_pad_keys();
PadKeys select_pad_keys();
PadKeys play_pad_keys();
PadKeys pause_pad_keys();
// Any control ends the wait for a key after "Game Over".
PadKeys game_over_pad_keys();
