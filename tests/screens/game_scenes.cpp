#include "tests/screens/game_scenes.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/play_frame.h"
#include "game/sparkle_spawners.h"
#include "game/sparkles.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "graphics/text.h"
#include "program/game_loop.h"
#include "screens/key_names.h"
#include "screens/key_setup.h"
#include "screens/score_tables.h"
#include "system/random.h"

namespace scenes {

void load_art(const std::string& program_dir, int id) {
    reset_game_state();
    const std::string assets = program_dir + "/assets/", chars = program_dir + "/chars/";
    // The game loads these before its display opens: neither masked nor filtered.
    sparks_image = load_image_strip(assets + "sparks.png", 40, 40, 0, 11, 0);
    center_image_handle(sparks_image);
    title_image = load_image(assets + "titlescreen.png", 0);
    pointer_image = load_image(assets + "pointer.png", 0);
    set_image_handle(pointer_image, 40, 0);
    paused_image = load_image(assets + "paused.png", 0);
    center_image_handle(paused_image);
    text_font = open_font(assets + "Brasswick.ttf", 20, 4);
    set_mask_color(255, 0, 255);
    const std::string n = std::to_string(id);
    board_image = load_image(chars + "board" + n + ".png", -1);
    rune_image = load_image_strip(chars + "runes" + n + ".png", 40, 40, 0, 11, -1);
    digit_image = load_image_strip(chars + "score" + n + ".png", 24, 24, 0, 10, -1);
    fill_key_names();
}

void unload_art() {
    reset_game_state();
    sparks_image = title_image = pointer_image = paused_image = nullptr;
    board_image = rune_image = digit_image = nullptr;
    text_font = nullptr;
}

void start_play(int seed) {
    seed_random(seed);
    empty_board();
    clear_sparkles();
    for (int c = 0; c < BOARD_COLUMNS; ++c) {
        for (int r = column_top(c); r <= column_bottom(c); ++r) {
            auto rune = std::make_shared<Rune>();
            rune->kind = (c + 2 * r) % 3 + 3 * (r % 2) + (c == 4 ? 7 : 0);
            rune->opacity = 1;
            // A few clearing, a few still falling onto their cells.
            if ((c * 7 + r) % 11 == 0) rune->clear_count = 13 + c;
            if ((c * 5 + r) % 13 == 0) rune->y_offset = -17.5f;
            board[c][r] = rune;
        }
    }
    cursor_column = seed % 9;
    next_kind = seed % 11;
    score = 1234 + seed;
    runes_dropped = 2345;
    pressure = 4321;
    spawn_burst(100, 120, 1);
    spawn_converge(260, 200, 2);
    spawn_lightning(100, 300, 300, 100);
    spawn_black_burst(300, 300);
    spawn_white_burst(200, 100);
}

void play_frame() {
    play_frame_rules();
}

void pause_frame() {
    draw_pause_picture(snapshot_back_buffer());
}

void title_frame(int selection) {
    cleared_names = {"K. Tesselk", "J. Orrimund", "Quoraan"};
    cleared_scores = {500, 400, 300};
    efficiency_names = {"A. Lumivessa", "P. Pyx", "D. Darrowen"};
    efficiency_scores = {12000, 10000, 8000};
    player_name = "Rune Reader";
    clear_frame();
    if (sparkles.empty()) spawn_burst(320, 200, selection);
    set_color(255, 255, 255);
    draw_image(title_image, 0, 0, 0);
    draw_title_scores();
    draw_key_bindings();
    update_sparkles();
    draw_image(pointer_image, static_cast<float>(120 + 200 * selection), 448, 0);
    draw_text("version 1.0", 540, 240);
}

} // namespace scenes
