// The three game keys (left, right, drop): their panel on the title screen
// and the screen that rebinds them.
#pragma once

#include "graphics/images.h"

#include <string>

// "Left: ", "Right: " and "Drop: " with the bound keys' names, in the title
// screen's right-hand panel, in the current colour.
void draw_key_bindings();

// Asks for the left, right and drop keys in turn and binds each at once.
void run_key_setup();

// Shows one prompt over the background and returns the next key pressed
// after it, other than P (kept for pausing).
int capture_key(const ImageRef& background, const std::string& prompt, int y);
