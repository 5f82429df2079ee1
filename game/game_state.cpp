#include "game/game_state.h"

Board board;
SparkleList sparkles;

int cursor_column = 4;
int next_kind = 0;
int score = 0;
int runes_dropped = 0;
int pressure = 0;
int game_aborted = 0;
int quit_requested = 0;

std::string player_name;
int key_left = 37;
int key_right = 39;
int key_drop = 32;
std::array<std::string, KEY_NAME_COUNT> key_names;

std::array<std::string, SCORE_TABLE_SIZE> cleared_names, efficiency_names;
std::array<int, SCORE_TABLE_SIZE> cleared_scores{}, efficiency_scores{};

ImageRef sparks_image, title_image, pointer_image, paused_image, gameover_image;
FontRef text_font;
SoundRef click_sound, white_sound, black_sound, gray_sound, sparkle_sound;

ImageRef board_image, rune_image, digit_image;
SoundRef music;

void reset_game_state() {
    for (auto& column : board) column.fill(nullptr);
    sparkles.clear();
    cursor_column = 4;
    next_kind = 0;
    score = 0;
    runes_dropped = 0;
    pressure = 0;
    game_aborted = 0;
    quit_requested = 0;
    player_name.clear();
    key_left = 37;
    key_right = 39;
    key_drop = 32;
    key_names.fill(std::string());
    cleared_names.fill(std::string());
    efficiency_names.fill(std::string());
    cleared_scores.fill(0);
    efficiency_scores.fill(0);
}
