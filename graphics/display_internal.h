// What the parts of the graphics layer share about the open display.
#pragma once

#include "graphics/display.h"

// Changes whenever a display is opened or closed; drawables made for an
// older value are stale. Never 0 once a display has been opened.
int display_seq();

// Marks something made in one opening of the display: OpenGL objects go
// with their context when the display closes, and the name of one made for
// an earlier opening may by now belong to something else.
class TDisplayStamp {
  public:
    void take() { seq_ = display_seq(); }
    void clear() { seq_ = 0; }
    // Made in this opening of the display.
    bool current() const { return seq_ != 0 && seq_ == display_seq(); }

  private:
    int seq_ = 0;
};

// The draw state of the current display, or null.
TDrawState* current_draw_state();

// Flags OR-ed into every open_display.
void set_default_graphics_flags(int flags);
