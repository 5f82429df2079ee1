// Where the character-select screen puts its honeycomb, and how pictures
// meant for it are keyed with the mask colour.
#pragma once

#include "tools/artgen/canvas.h"
#include "tools/artgen/png_out.h"

// Top-left corner of the 80 x 80 picture of place (column, row).
inline int place_x(int column) {
    return 80 * column + 120;
}
inline int place_y(int column, int row) {
    return 80 * row + 40 * column - 160;
}
inline bool in_honeycomb(int column, int row) {
    return column >= 1 && column <= 5 && row >= 1 && row <= 5 && column + row >= 4 &&
           column + row <= 8;
}

// The frame is a hexagon inside each place: its ring spans these insets from
// the place's edge, and a face shows inside `picture_inset`.
inline constexpr double frame_inset = 4.0, frame_width = 5.0, picture_inset = 7.0;

// The hexagon of an 80 x 80 place at (x, y), moved inward by `inset` pixels.
void place_hexagon_path(cairo_t* cr, double x, double y, double inset);

// The colour inside every frame, behind the faces.
Colour frame_interior();

// The select screen's background as the game shows it.
Pixels render_select_screen();

// Turns a picture drawn with transparency into an RGB picture for a masked
// image: where it is (nearly) transparent it holds the mask colour; elsewhere
// its soft edges are blended over `background` (taken at offset bx, by), so the
// image looks anti-aliased once the game drops the mask colour.
Pixels key_over(const Canvas& picture, const Pixels& background, int bx, int by);

// Portraits reach no further right than the corner under the honeycomb's
// first column: to where the second column begins.
inline constexpr int portrait_width = 280; // place_x(2)
// The same over one flat colour.
Pixels key_over(const Canvas& picture, const Colour& background);
