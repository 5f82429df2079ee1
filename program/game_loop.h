// One game: the character select, the character's assets, the play loop
// with its pause screen, and the game-over sequence.
#pragma once

#include "graphics/images.h"
#include "input/key_tests.h"

// The play loop's key tests in the order it asks them, the pause screen's,
// and the wait after "Game Over" (any control ends it), with what a pad's
// controls stand for on each.
extern const TKeyTests play_keys, pause_keys, game_over_keys;

// Runs the character select and one game to its end (a full board, or
// Escape on the pause screen).
void play_one_game();

// The frame drawn so far, as a picture.
ImageRef snapshot_back_buffer();
// The pause screen's picture: the snapshot dimmed under the banner.
void draw_pause_picture(const ImageRef& snapshot);

// Loads the board picture, rune sheet, digit sheet and music of a character.
void load_character_assets(int character_id);
// Lets them go once a game is over.
void release_character_assets();

// The play loop's key handling for one frame: left, right, drop, pause, each
// read once with key_hit whether or not it acts. Returns true when P was hit.
bool read_play_keys();
