// Lines of three and the marking of runes for clearing.
//
// Three settled runes in a straight line through a cell along one of the
// board's three axes clear when their kinds agree, the wild rune standing for
// any kind. Runes already clearing go on matching while they stay in line,
// which speeds up their clearing; a line of four or five is found as
// overlapping lines of three.
#pragma once

#include "game/rune.h"

// One frame of line search over every cell in scan order, each cell tested
// down its column, then across (c +/- 1, r), then along (c + 1, r - 1).
void find_matches();

// True when all three runes exist, are settled and agree in kind.
bool lines_match(const RuneRef& centre, const RuneRef& a, const RuneRef& b);

// Starts or advances the clearing of (c - dc, r - dr), (c, r), (c + dc, r + dr);
// the sparkle sound marks a line whose centre was not yet clearing.
void clear_line(int c, int r, int dc, int dr);

// Advances the rune's clearing clock; a rune that starts clearing scores one.
void mark_for_clearing(Rune& rune);
