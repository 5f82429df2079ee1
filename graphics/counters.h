// Counters for watching a long run from outside: how many OpenGL textures
// are alive and how smoothly frames are presented. Cheap enough to keep in
// every build; any thread may read them.
#pragma once

#include <cstdint>

// Textures made and not yet deleted, in every context still open. A texture
// whose context closed with its display no longer counts.
int live_texture_count();

// Frames presented since the program started.
std::int64_t frames_presented();
// The longest time between two presented frames since the previous call, in
// microseconds (0 when fewer than two frames came since then); the next
// call starts a new measurement.
std::int64_t take_longest_frame_interval_us();
// Frames presented more than 20 ms after the frame before, since the start.
std::int64_t late_frames();

// How the open display's picture reaches the screen ("window", "gl-scaled",
// "cpu-scaled"), or "none".
const char* picture_route();

// For the graphics layer itself.
void note_texture_made();
void note_textures_gone(int count);
void note_frame_presented();
// Null when the display closes.
void note_picture_route(const char* route);
