// The per-frame life of the runes on the board: removal of cleared runes,
// the fade-in of pressure runes, the clearing clock, and the special runes
// acting when they come to rest.
#pragma once

// One pass over every cell in scan order. For each rune:
// - a clearing clock at 40 or more removes it with its sparkles (and, for the
//   white and black runes, their sound);
// - an opacity below 1 grows by 0.05;
// - a clearing clock above 0 advances by 1;
// - otherwise a settled special rune starts its own clearing (no score) and
//   acts: white repaints the rune beyond each neighbour with the neighbour's
//   kind, black marks its neighbours and itself, gray marks every rune of the
//   kind below it with a chain of lightning.
// A special rune marked before it comes to rest never acts.
void update_runes();

// Gives the rune in (c, r) a new kind, with converging sparkles of that kind.
void repaint_rune(int c, int r, int kind);
