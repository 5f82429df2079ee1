#include "game/board.h"
#include "game/falling.h"
#include "rules_fixture.h"

TEST_F(RulesTest, FullBoardWithAClearingRunePlaysOn) {
    fill_board();
    EXPECT_EQ(active_rune_count(), BOARD_CELLS);
    board[6][7]->clear_count = 30;
    EXPECT_EQ(active_rune_count(), BOARD_CELLS - 1);
    frames(10);
    EXPECT_TRUE(board[6][7]);
    frames(1);
    EXPECT_FALSE(board[6][7]);
    EXPECT_EQ(active_rune_count(), BOARD_CELLS - 1);
    cursor_column = 6;
    drop_rune();
    EXPECT_EQ(runes_dropped, 1);
}
