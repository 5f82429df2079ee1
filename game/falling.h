// Runes entering the board: the preview's kind, the drop, the fall and its
// animation.
//
// A placed rune falls to the lowest free cell of its column at once; only its
// picture lags behind, 48 pixels higher for every cell fallen, and catches up
// at 10 pixels a frame until it clicks into place.
#pragma once

// The kind for the next dropped rune: a special rune (kinds 7..10, equally
// likely) with probability n / 301 for n runes on the board that are not
// clearing, otherwise one of the seven ordinary kinds.
int choose_next_kind();

// The drop key's action: places a rune of the preview's kind in the top cell
// of the cursor's column unless that column is full, and chooses the next
// kind. A rune already in the top cell (only possible when the column holds a
// clearing rune) is replaced.
void drop_rune();

// One frame of falling: every rune with empty cells below it drops through
// them (only the lowest of a stack above a gap moves in one frame), and every
// picture moves 10 pixels toward its cell, snapping and clicking within 10.
void apply_gravity();

// Draws the preview above the cursor's column.
void draw_next_rune();
