// A diagnostic log for long runs and performance checks, off unless asked
// for: with ORVESSA_STATS=<file> in the environment the program appends one
// line a second to that file (see docs/benchmarks.md):
//
//   # time_ms rss_kb textures underruns frames longest_frame_us late_frames
//   1000 61234 12 0 58 16934 0
//
// time since the log started, resident memory, live OpenGL textures, audio
// ring underruns, frames presented, the longest gap between two frames in
// the last period and the frames that came over 20 ms after the one before.
// A thread of its own writes it, so the game's frames are not held up.
#pragma once

#include <string>

// Starts the log when ORVESSA_STATS names a file; otherwise does nothing.
// ORVESSA_STATS_PERIOD_MS (default 1000) sets the period.
void start_stats_log_from_environment();

// Appends to `path` every period_ms until stopped (also at program exit).
// False, with one line on standard error, when the file cannot be opened.
bool start_stats_log(const std::string& path, int period_ms);
// Writes a last line and stops. Safe to call when not started.
void stop_stats_log();

// The resident set size of this process in kilobytes (0 if unknown).
long resident_kb();
