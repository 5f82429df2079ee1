// Advancing, drawing and retiring the sparkles of the global list.
#pragma once

#include "game/sparkle.h"

// Moves, turns, scales and fades every sparkle by one frame's steps, draws it
// with the sparks sheet in the colour and blend mode in force, and removes it
// once its alpha or scale falls below 0 (after drawing it that last time).
// Leaves no rotation, scale 1 and alpha 1.
void update_sparkles();

// Empties the list.
void clear_sparkles();

// Appends a sparkle to the end of the list and records its link.
void add_sparkle(const Sparkle& sparkle);
