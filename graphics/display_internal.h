// What the parts of the graphics layer share about the open display.
#pragma once

#include "graphics/display.h"

// Changes whenever a display is opened or closed; drawables made for an
// older value are stale. Never 0 once a display has been opened.
int display_seq();

// The draw state of the current display, or null.
TDrawState* current_draw_state();

// Flags OR-ed into every open_display.
void set_default_graphics_flags(int flags);
