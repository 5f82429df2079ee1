// The character select: a honeycomb of up to 19 faces read from the chars
// folder (beside the program, or for an installed game the player's own and
// the installed one, file by file), the portrait of the character under the
// cursor, and its own looping music.
//
// Cell (column, row), both 1..5, belongs to the honeycomb when
// 4 <= column + row <= 8; its id is 10 * column + row, and it holds a
// character exactly when "chars/face<id>.png" exists.
#pragma once

#include "input/key_tests.h"

#include <string>
#include <vector>

// The screen's key tests, in the order it asks them, with what a pad's
// controls stand for; without any character to choose, Escape (a pad's
// Back) alone, to quit.
extern const TKeyTests select_keys;

// Returns the id of the chosen character. With no character at all, it says
// so and ends the program when Escape is pressed.
int run_character_select();

// The folders characters are looked up in, first to last, as full paths
// with a trailing '/', for telling the player where they are.
std::vector<std::string> character_folders();

bool in_honeycomb(int column, int row);
// Top-left corner of the cell's 80 x 80 picture.
int cell_x(int column, int row);
int cell_y(int column, int row);

// The cursor after an arrow key, kept inside the honeycomb.
void move_select_cursor(int key, int& column, int& row);
