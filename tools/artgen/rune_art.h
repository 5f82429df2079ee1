// The eleven rune kinds as pictures. The seven ordinary kinds differ in shape
// as well as colour (heart, triangle, star, diamond, square, drop, moon);
// the four special kinds sit in a round metal setting that no ordinary kind has.
#pragma once

#include "tools/artgen/palette.h"

#include <cairo.h>

struct RuneStyle {
    Colour metal = palette::gold; // the special kinds' setting
    double facet = 0.55;          // size of the lighter top facet, 0 for none
    double outline = 1.6;         // dark outline width at size 1
};

// Draws kind 0..10 centred on (cx, cy); `size` 1 fills a 40 x 40 cell.
void draw_rune(cairo_t* cr, int kind, double cx, double cy, double size, const RuneStyle& style);

// Adds the outline of ordinary kind 0..6 (radius about 1) centred on (0, 0).
void rune_shape_path(cairo_t* cr, int kind);
