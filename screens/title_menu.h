// The title menu: the title picture with both score tables, the player's
// name and the key bindings; a pointer under three entries (name, start,
// keys) moved with the arrow keys or the bound left and right keys.
#pragma once

#include "input/key_tests.h"

// The menu's key tests, in the order it asks them, with what a pad's
// controls stand for: the name entry and key configuration it opens read
// the keyboard only (a pad's A and Back type Enter and Escape there).
extern const TKeyTests title_keys;

// Returns when the player starts a game, or with quit_requested set when
// Escape was pressed.
void run_title_menu();

// The entry selected after moving left or right from `selection` (0..2, wrapping).
int menu_left(int selection);
int menu_right(int selection);
