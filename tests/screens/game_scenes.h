// The game's screens drawn by the game's own code with the art the build
// made, on whatever display is open: for checks of the drawing layer on the
// real driver and for measuring what a frame costs.
#pragma once

#include <string>

namespace scenes {

// Loads the shared art and font and character `id`'s pictures from the
// build folder `program_dir` (the program's folder), as the game would once
// its display is open. Leaves the game state reset.
void load_art(const std::string& program_dir, int id);
// Lets every picture go.
void unload_art();

// A full board mid-game, from random seed `seed`: runes of every kind, some
// clearing, some falling, the score panel and the gauge, and sparkles of
// every effect.
void start_play(int seed);
// One frame of play as the play loop draws it (the rules advance too).
void play_frame();
// The pause screen over the frame drawn so far.
void pause_frame();
// One frame of the title menu with its tables, key panel, a sparkle burst
// and the pointer under entry `selection`.
void title_frame(int selection);

} // namespace scenes
