// The pictures that make one character.
#pragma once

#include "tools/artgen/canvas.h"

struct Character;

// The 640 x 480 play-screen background.
void draw_board(Canvas& canvas, const Character& character);
// The ten digits 0..9 in cells of 24 x 24 (a 240 x 24 canvas).
void draw_digits(Canvas& canvas, const Character& character);
// The character's bust: head centred at the origin, about 100 units tall.
void draw_bust(cairo_t* cr, const Character& character);
