#include "game/board.h"
#include "rules_fixture.h"

TEST_F(RulesTest, BoardShapeAndCounts) {
    EXPECT_FALSE(is_cell(0, 3));
    EXPECT_FALSE(is_cell(8, 7));
    EXPECT_FALSE(is_cell(-1, 5));
    EXPECT_FALSE(is_cell(9, 5));
    EXPECT_TRUE(is_cell(7, 0));
    EXPECT_TRUE(is_cell(1, 10));
    int cells = 0;
    for (int c = -1; c <= BOARD_COLUMNS; ++c)
        for (int r = -1; r <= BOARD_ROWS; ++r) cells += is_cell(c, r);
    EXPECT_EQ(cells, BOARD_CELLS);
    // Top cells of even columns at y = 140, odd ones at 120; centres 20 below.
    EXPECT_EQ(cell_center_y(0, column_top(0)), 160);
    EXPECT_EQ(cell_center_y(7, column_top(7)), 140);
    EXPECT_EQ(cell_center_x(8), 400);

    fill_column(3, column_top(3));
    EXPECT_EQ(column_count(3), column_capacity(3));
    board[3][5]->clear_count = 1;
    EXPECT_EQ(column_count(3), 7);
    EXPECT_EQ(active_rune_count(), 7);
}

TEST_F(RulesTest, RunesFadeWithTheirClearingClock) {
    put(0, 10, 4).clear_count = 20;
    put(1, 3, 6, -35.5f).clear_count = 45;
    board[1][3]->opacity = 0.5f;
    draw_runes();
    auto runes = drawn(rune_image);
    ASSERT_EQ(runes.size(), 2u);
    // Column by column: (0, 10) first, at its cell's top-left corner.
    EXPECT_FLOAT_EQ(runes[0].x, 60);
    EXPECT_FLOAT_EQ(runes[0].y, 380);
    EXPECT_EQ(runes[0].frame, 4);
    EXPECT_FLOAT_EQ(runes[0].alpha, 0.5f);
    EXPECT_FLOAT_EQ(runes[1].x, 100);
    EXPECT_FLOAT_EQ(runes[1].y, 120 - 35.5f);
    EXPECT_EQ(runes[1].frame, 6);
    EXPECT_LE(runes[1].alpha, 0.0f);
}
