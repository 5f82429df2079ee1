// One effect particle and the list type that owns the particles.
#pragma once

#include <list>

struct Sparkle;
// An ordered list; a sparkle leaves it through its own link, which stays
// valid while other sparkles come and go.
using SparkleList = std::list<Sparkle>;

// Distances in pixels, angles in degrees; every step is added once a frame.
struct Sparkle {
    int frame = 0; // cell of the sparks sheet
    float x = 0, y = 0;
    float vx = 0, vy = 0;
    float ax = 0, ay = 0;
    float alpha = 0, alpha_step = 0;
    float rotation = 0, rotation_step = 0;
    float scale = 0, scale_step = 0; // the same on both axes
    SparkleList::iterator link{};    // its place in the list; set when added
};
