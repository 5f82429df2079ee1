// The studio splash, shown once after the display opens: a dark blue disc
// grows, two translucent triangles circle it, the studio's logo spins in and
// turns white, holds for three seconds with its jingle, and venetian blinds
// close over it.
#pragma once

#include "graphics/images.h"

void run_splash();

// The splash's picture at animation step t (0 to 360), drawn and not shown.
void draw_splash_picture(const ImageRef& logo, float t);

// Frames the splash animates before its hold: t runs 0, 1.8, ... up to 360.
int splash_frame_count();
