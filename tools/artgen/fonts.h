// The lettering faces: the Celtic-inscription family the game ships as its
// title font, read from the folder the build found it in.
#pragma once

#include <cairo.h>
#include <string>

enum class Face { regular, bold };

// Loads the faces from `folder` (Berenika.ttf, Berenika-Bold.ttf) for the
// rest of the run (cairo's font cache keeps pointing into them). Throws
// std::runtime_error when they are missing.
void load_fonts(const std::string& folder);

// Selects the face at `size` pixels with grey anti-aliasing and no hinting,
// so the lettering is the same on every machine.
void select_face(cairo_t* cr, Face face, double size);

enum class Align { left, centre, right };

// Width of `text` in the face currently selected.
double text_width(cairo_t* cr, const std::string& text);

// Moves to the baseline start of `text` aligned at x and adds its outline to the path.
void text_path(cairo_t* cr, const std::string& text, double x, double baseline, Align align);
