// The five effects, each a group of sparkles appended to the global list.
//
// Every spawner draws its random numbers sparkle by sparkle, in the order its
// comment gives; the game's dice are shared, so that order is part of the
// game's behaviour.
#pragma once

// 20 sparkles of cell `frame` thrown up from (x, y), falling under 0.1 a
// frame, shrinking and fading for 100 frames. Per sparkle: vertical speed,
// horizontal speed, rotation, spin.
void spawn_burst(int x, int y, int frame);

// 20 sparkles of cell `frame` on a circle of radius 100 about (x, y), closing
// in at 2 pixels a frame while they grow from nothing; they fade out in 50
// frames, just as they reach the centre. Per sparkle: the angle (whole
// degrees).
void spawn_converge(int x, int y, int frame);

// 24 gray sparkles from (x1, y1) toward (x2, y2), each at a random fraction
// of the distance per 80 frames, spinning and fading for 200 frames. Per
// sparkle: the fraction, the spin.
void spawn_lightning(int x1, int y1, int x2, int y2);

// 50 black sparkles exploding every 15 degrees at 4 or 5 pixels a frame,
// gone after 25 frames. Per sparkle: the speed, the spin.
void spawn_black_burst(int x, int y);

// 24 white sparkles in six rays (90, 150, ... 30 degrees) at speeds 0 to 3,
// gone after 50 frames. Per sparkle: the spin.
void spawn_white_burst(int x, int y);
