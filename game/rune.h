// The rune: the object that sits in a board cell.
#pragma once

#include <memory>

// Kinds 0..6 are the seven ordinary runes; the four above them are special.
// A kind is also the cell of the rune sheet that shows the rune and the cell
// of the sparks sheet used for its effects.
enum RuneKind : int {
    RUNE_ORDINARY_LAST = 6,
    RUNE_WHITE = 7, // repaints the runes two cells away when it comes to rest
    RUNE_GRAY = 8,  // sweeps every rune of the kind it rests on
    RUNE_BLACK = 9, // clears its six neighbours
    RUNE_WILD = 10, // completes any line
};

struct Rune {
    int kind = 0;
    float x_offset = 0;  // added to the drawing x; no rule changes it
    float y_offset = 0;  // fall animation: negative while the picture is above its cell
    float opacity = 0;   // factor on the drawing alpha, 0..1
    int clear_count = 0; // clearing clock: 0 not clearing, removed once it reaches 40
};

// Runes live while the board holds them; nothing else keeps a reference.
using RuneRef = std::shared_ptr<Rune>;
