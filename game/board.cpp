#include "game/board.h"

#include "game/game_state.h"
#include "graphics/display.h"

#include <cmath>

namespace {

constexpr int CELL_SIZE = 40;
// Clearing runes fade out over this many steps of their clock.
constexpr float CLEAR_STEPS = 40.0f;

} // namespace

int column_top(int c) {
    return 4 - (c + 1) / 2;
}

int column_bottom(int c) {
    return 10 - c / 2;
}

int column_capacity(int c) {
    return c % 2 == 0 ? 7 : 8;
}

bool is_cell(int c, int r) {
    return c >= 0 && c < BOARD_COLUMNS && r >= 0 && r < BOARD_ROWS && r >= column_top(c) &&
           r <= column_bottom(c);
}

int cell_center_x(int c) {
    return CELL_SIZE * c + 80;
}

int cell_center_y(int c, int r) {
    return CELL_SIZE * r + 20 * c;
}

int column_count(int c) {
    int count = 0;
    for (int r = column_top(c); r <= column_bottom(c); ++r) {
        const RuneRef& rune = board[c][r];
        if (rune && rune->clear_count == 0) ++count;
    }
    return count;
}

int active_rune_count() {
    int count = 0;
    for (int c = 0; c < BOARD_COLUMNS; ++c) count += column_count(c);
    return count;
}

bool is_settled(const Rune& rune) {
    return std::fabs(rune.y_offset) < 1;
}

void draw_runes() {
    for (int c = 0; c < BOARD_COLUMNS; ++c) {
        for (int r = column_top(c); r <= column_bottom(c); ++r) {
            const RuneRef& rune = board[c][r];
            if (!rune) continue;
            set_color(255, 255, 255);
            // Past 40 the alpha goes negative; the drawing layer clamps it.
            set_alpha((1 - rune->clear_count / CLEAR_STEPS) * rune->opacity);
            draw_image(rune_image, 60 + CELL_SIZE * c + rune->x_offset,
                       CELL_SIZE * r + 20 * c - 20 + rune->y_offset, rune->kind);
        }
    }
}

void empty_board() {
    for (int c = 0; c < BOARD_COLUMNS; ++c) {
        for (int r = column_top(c); r <= column_bottom(c); ++r) board[c][r] = nullptr;
    }
}
