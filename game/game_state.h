// The game's shared state: every global that more than one part of the game
// reads or writes, with the shared images, font and sounds.
#pragma once

#include "audio/sound.h"
#include "game/rune.h"
#include "game/sparkle.h"
#include "graphics/images.h"
#include "graphics/text.h"

#include <array>
#include <string>

constexpr int BOARD_COLUMNS = 9;
constexpr int BOARD_ROWS = 12;
constexpr int KEY_NAME_COUNT = 300;
constexpr int SCORE_TABLE_SIZE = 3;

// board[c][r] is column c (0..8, left to right), row r (0..11, top down);
// only the elements that is_cell accepts are cells of the playing field.
using Board = std::array<std::array<RuneRef, BOARD_ROWS>, BOARD_COLUMNS>;

extern Board board;
extern SparkleList sparkles;

extern int cursor_column;  // column above which the next rune waits, 0..8
extern int next_kind;      // kind of the rune the next drop places (the preview)
extern int score;          // runes that began clearing, this game
extern int runes_dropped;  // runes placed by the drop key, this game
extern int pressure;       // grows with the score; adds a rune past 7000
extern int game_aborted;   // set by Escape on the pause screen
extern int quit_requested; // set by the title menu; never cleared

// Latin-1 text, one character code per byte.
extern std::string player_name;
extern int key_left, key_right, key_drop; // virtual-key codes
extern std::array<std::string, KEY_NAME_COUNT> key_names;

extern std::array<std::string, SCORE_TABLE_SIZE> cleared_names, efficiency_names;
extern std::array<int, SCORE_TABLE_SIZE> cleared_scores, efficiency_scores;

// Shared assets, loaded once at start-up.
extern ImageRef sparks_image, title_image, pointer_image, paused_image, gameover_image;
extern FontRef text_font;
extern SoundRef click_sound, white_sound, black_sound, gray_sound, sparkle_sound;

// The chosen character's assets, replaced at the start of every game.
extern ImageRef board_image, rune_image, digit_image;
extern SoundRef music;

// What every game starts with: an empty board and sparkle list, the cursor
// in column 4, the score, counters, pressure and the abort flag 0, and
// `first_kind` as the kind of the first rune.
void new_game_state(int first_kind);
// Puts every value above back to its start value, as at start-up: a new
// game's (first kind 0), the quit flag 0, the default keys (the Left and
// Right arrows, Space to drop), and no name, key names or table entries.
// The assets are left as they are.
void reset_game_state();
