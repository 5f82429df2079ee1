#include "rules_fixture.h"

#include "game/board.h"
#include "game/play_frame.h"
#include "system/random.h"

Rune& RulesTest::put(int c, int r, int kind, float y_offset) {
    auto rune = std::make_shared<Rune>();
    rune->kind = kind;
    rune->y_offset = y_offset;
    rune->opacity = 1;
    board[c][r] = rune;
    return *rune;
}

void RulesTest::fill_column(int c, int from) {
    // Kinds (c + 2r) mod 3 differ along every axis: down a column by 2,
    // across by 1, along the rising diagonal by 1.
    for (int r = from; r <= column_bottom(c); ++r) put(c, r, (c + 2 * r) % 3);
}

void RulesTest::fill_board() {
    for (int c = 0; c < BOARD_COLUMNS; ++c) fill_column(c, column_top(c));
}

void RulesTest::frames(int n) {
    for (int i = 0; i < n; ++i) play_frame_rules();
}
