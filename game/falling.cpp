#include "game/falling.h"

#include "game/board.h"
#include "game/game_state.h"
#include "system/random.h"

#include <cmath>

namespace {

constexpr float OFFSET_PER_CELL_FALLEN = 48;
constexpr float FALL_SPEED = 10;
constexpr float SNAP_DISTANCE = 10;

// The rune in (c, r) drops on into the next cell later in this pass.
bool falls_on(int c, int r) {
    return is_cell(c, r + 1) && !board[c][r + 1];
}

void animate(Rune& rune) {
    float distance = std::fabs(rune.y_offset);
    if (distance < 1) return;
    if (distance > SNAP_DISTANCE) {
        rune.y_offset -= rune.y_offset > 0 ? FALL_SPEED : -FALL_SPEED;
    } else {
        rune.y_offset = 0;
        play_sound(click_sound);
    }
}

} // namespace

int choose_next_kind() {
    if (random_int(0, 300) < active_rune_count()) return random_int(RUNE_WHITE, RUNE_WILD);
    return random_int(0, RUNE_ORDINARY_LAST);
}

void drop_rune() {
    int c = cursor_column;
    if (column_count(c) >= column_capacity(c)) return;
    runes_dropped += 1;
    auto rune = std::make_shared<Rune>();
    rune->opacity = 1;
    rune->kind = next_kind;
    // Puts the picture at the preview's height, y = 60.
    rune->y_offset = static_cast<float>((c % 2) * 20 - 80);
    board[c][column_top(c)] = std::move(rune);
    next_kind = choose_next_kind();
}

void apply_gravity() {
    for (int c = 0; c < BOARD_COLUMNS; ++c) {
        for (int r = 0; r < BOARD_ROWS; ++r) {
            RuneRef& here = board[c][r];
            if (!here && is_cell(c, r) && is_cell(c, r - 1) && board[c][r - 1]) {
                here = std::move(board[c][r - 1]);
                here->y_offset -= OFFSET_PER_CELL_FALLEN;
            }
            // A rune that drops on is met again in the next row; its picture
            // moves once a frame, from the cell where the rune stops.
            if (here && !falls_on(c, r)) animate(*here);
        }
    }
}

void draw_next_rune() {
    draw_image(rune_image, 60 + 40 * cursor_column, 60, next_kind);
}
