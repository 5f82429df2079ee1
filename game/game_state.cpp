#include "game/game_state.h"

#include "input/key_codes.h"

// The start values are set by reset_game_state and new_game_state alone.
Board board;
SparkleList sparkles;

int cursor_column;
int next_kind;
int score;
int runes_dropped;
int pressure;
int game_aborted;
int quit_requested;

std::string player_name;
int key_left, key_right, key_drop;
std::array<std::string, KEY_NAME_COUNT> key_names;

std::array<std::string, SCORE_TABLE_SIZE> cleared_names, efficiency_names;
std::array<int, SCORE_TABLE_SIZE> cleared_scores{}, efficiency_scores{};

ImageRef sparks_image, title_image, pointer_image, paused_image, gameover_image;
FontRef text_font;
SoundRef click_sound, white_sound, black_sound, gray_sound, sparkle_sound;

ImageRef board_image, rune_image, digit_image;
SoundRef music;

void new_game_state(int first_kind) {
    for (auto& column : board) column.fill(nullptr);
    sparkles.clear();
    cursor_column = 4;
    next_kind = first_kind;
    score = 0;
    runes_dropped = 0;
    pressure = 0;
    game_aborted = 0;
}

void reset_game_state() {
    new_game_state(0);
    quit_requested = 0;
    player_name.clear();
    key_left = key::left;
    key_right = key::right;
    key_drop = key::space;
    key_names.fill(std::string());
    cleared_names.fill(std::string());
    efficiency_names.fill(std::string());
    cleared_scores.fill(0);
    efficiency_scores.fill(0);
}
