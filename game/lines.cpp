#include "game/lines.h"

#include "game/board.h"
#include "game/game_state.h"

namespace {

// The three axes through a cell, as the offset to one of its two ends.
constexpr int AXES[3][2] = {{0, 1}, {1, 0}, {1, -1}};

} // namespace

void find_matches() {
    for (int c = 0; c < BOARD_COLUMNS; ++c) {
        for (int r = column_top(c); r <= column_bottom(c); ++r) {
            const RuneRef& centre = board[c][r];
            if (!centre) continue;
            for (const auto& [dc, dr] : AXES) {
                if (!is_cell(c + dc, r + dr) || !is_cell(c - dc, r - dr)) continue;
                if (lines_match(centre, board[c + dc][r + dr], board[c - dc][r - dr]))
                    clear_line(c, r, dc, dr);
            }
        }
    }
}

bool lines_match(const RuneRef& centre, const RuneRef& a, const RuneRef& b) {
    if (!centre || !a || !b) return false;
    if (!is_settled(*centre) || !is_settled(*a) || !is_settled(*b)) return false;
    int k0 = centre->kind, k1 = a->kind, k2 = b->kind;
    int wild = (k0 == RUNE_WILD) + (k1 == RUNE_WILD) + (k2 == RUNE_WILD);
    if (wild >= 2) return true;
    return (k0 == k1 && k1 == k2) || (k0 == RUNE_WILD && k1 == k2) ||
           (k1 == RUNE_WILD && k0 == k2) || (k2 == RUNE_WILD && k0 == k1);
}

void clear_line(int c, int r, int dc, int dr) {
    const RuneRef& centre = board[c][r];
    const RuneRef& end = board[c + dc][r + dr];
    const RuneRef& other_end = board[c - dc][r - dr];
    if (!centre || !end || !other_end) return;
    if (centre->clear_count == 0) play_sound(sparkle_sound);
    mark_for_clearing(*centre);
    mark_for_clearing(*end);
    mark_for_clearing(*other_end);
}

void mark_for_clearing(Rune& rune) {
    if (rune.clear_count == 0) score += 1;
    rune.clear_count += 1;
}
