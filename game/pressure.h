// The pressure rule: a counter that grows faster the higher the score and,
// each time it passes 7000, puts a random ordinary rune on the board; and the
// clock gauge that shows it.
#pragma once

// One frame of pressure: grows the counter by score^0.75, places a pressure
// rune when it passes 7000, and draws the gauge.
void update_pressure();

// A clock face at (x, y) whose hand turns once as fraction goes from 0 to 1
// (pointing up at 0, clockwise). Leaves white, alpha blending, no transform.
void draw_pressure_gauge(float fraction, int x, int y, int radius);
