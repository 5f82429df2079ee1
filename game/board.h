// The board's shape, the queries the rules are written in, and the drawing
// of the runes.
//
// The 67 cells form a hexagonal grid of vertical columns: one row down is 40
// pixels down, one column right is 40 pixels right and 20 down. The six
// neighbours of (c, r) are (c, r -/+ 1), (c +/- 1, r) and (c + 1, r - 1),
// (c - 1, r + 1); (c + 1, r + 1) and (c - 1, r - 1) are not neighbours.
// Every scan goes column by column from 0 to 8, each column top to bottom.
#pragma once

#include "game/rune.h"

constexpr int BOARD_CELLS = 67;

// The rows of column c (0..8) run from column_top(c) to column_bottom(c).
int column_top(int c);
int column_bottom(int c);
// 7 cells in even columns, 8 in odd ones.
int column_capacity(int c);
bool is_cell(int c, int r);

// The centre of cell (c, r) on the screen.
int cell_center_x(int c);
int cell_center_y(int c, int r);

// Runes in column c that are not clearing: clearing runes do not count for
// drops, special-rune odds, pressure or the end of the game.
int column_count(int c);
int active_rune_count();

// A rune is at rest once its picture is within a pixel of its cell.
bool is_settled(const Rune& rune);

// Draws every rune from its top-left corner, faded by its clearing clock and
// its opacity, in scan order so lower runes overlap higher ones.
void draw_runes();

// Empties every cell.
void empty_board();
