#include "game/rune_update.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/lines.h"
#include "game/sparkle_spawners.h"

namespace {

constexpr int REMOVE_AT = 40;
constexpr float FADE_IN_STEP = 0.05f;

// Neighbour offsets in the order the special runes visit them. The black
// rune's list holds the rune itself, so it marks itself too.
constexpr int WHITE_DIRECTIONS[6][2] = {{-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}};
constexpr int BLACK_CELLS[7][2] = {{-1, 0}, {-1, 1}, {0, -1}, {0, 0}, {0, 1}, {1, -1}, {1, 0}};

void remove_rune(int c, int r) {
    int x = cell_center_x(c), y = cell_center_y(c, r);
    int kind = board[c][r]->kind;
    if (kind == RUNE_WHITE) {
        spawn_white_burst(x, y);
        play_sound(white_sound);
    } else if (kind == RUNE_BLACK) {
        spawn_black_burst(x, y);
        play_sound(black_sound);
    } else {
        spawn_burst(x, y, kind);
    }
    board[c][r] = nullptr;
}

// The comparisons with y_offset below are signed on purpose: a neighbour
// whose picture is still above its cell counts as present.

void act_white(int c, int r) {
    for (const auto& [dc, dr] : WHITE_DIRECTIONS) {
        int fc = c + 2 * dc, fr = r + 2 * dr;
        if (!is_cell(fc, fr)) continue;
        // The cell between two cells of the board is a cell too.
        const RuneRef& near = board[c + dc][r + dr];
        if (near && board[fc][fr] && near->y_offset < 1) repaint_rune(fc, fr, near->kind);
    }
}

void act_black(int c, int r) {
    for (const auto& [dc, dr] : BLACK_CELLS) {
        if (!is_cell(c + dc, r + dr)) continue;
        const RuneRef& rune = board[c + dc][r + dr];
        if (rune && rune->y_offset < 1) mark_for_clearing(*rune);
    }
}

void act_gray(int c, int r) {
    play_sound(gray_sound);
    board[c][r]->clear_count += 1;
    // At the bottom of its column the gray rune has no target.
    if (!is_cell(c, r + 1)) return;
    const RuneRef& below = board[c][r + 1];
    int target = below ? below->kind : 0;
    int fc = c, fr = r; // the lightning runs on from the last swept rune
    for (int c2 = 0; c2 < BOARD_COLUMNS; ++c2) {
        for (int r2 = column_top(c2); r2 <= column_bottom(c2); ++r2) {
            const RuneRef& rune = board[c2][r2];
            if (!rune || rune->kind != target) continue;
            mark_for_clearing(*rune);
            spawn_lightning(cell_center_x(fc), cell_center_y(fc, fr), cell_center_x(c2),
                            cell_center_y(c2, r2));
            fc = c2;
            fr = r2;
        }
    }
}

} // namespace

void update_runes() {
    for (int c = 0; c < BOARD_COLUMNS; ++c) {
        for (int r = column_top(c); r <= column_bottom(c); ++r) {
            if (!board[c][r]) continue;
            Rune& rune = *board[c][r];
            if (rune.clear_count >= REMOVE_AT) {
                remove_rune(c, r);
                continue;
            }
            if (rune.opacity < 1) rune.opacity += FADE_IN_STEP;
            if (rune.clear_count > 0) {
                rune.clear_count += 1;
                continue;
            }
            if (!is_settled(rune)) continue;
            switch (rune.kind) {
            case RUNE_WHITE:
                rune.clear_count += 1;
                act_white(c, r);
                break;
            case RUNE_BLACK:
                rune.clear_count += 1;
                act_black(c, r);
                break;
            case RUNE_GRAY:
                act_gray(c, r);
                break;
            default:
                break;
            }
        }
    }
}

void repaint_rune(int c, int r, int kind) {
    if (!board[c][r]) return;
    board[c][r]->kind = kind;
    spawn_converge(cell_center_x(c), cell_center_y(c, r), kind);
}
