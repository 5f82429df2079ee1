// The keys the game names, by their virtual-key codes (1..255): the codes
// key_hit, key_down and wait_key speak, and the player's bindings hold.
#pragma once

namespace key {
enum : int {
    backspace = 8,
    tab = 9,
    enter = 13,
    escape = 27,
    space = 32,
    left = 37, // the arrows
    up = 38,
    right = 39,
    down = 40,
    p = 80,
};
} // namespace key
