#include "game/board.h"
#include "game/falling.h"
#include "rules_fixture.h"
#include "system/random.h"

TEST_F(RulesTest, DropIntoLastFreeCellClicksInTheEighthFrame) {
    fill_column(2, column_top(2) + 1);
    cursor_column = 2;
    next_kind = 6;
    drop_rune();
    ASSERT_TRUE(board[2][3]);
    EXPECT_EQ(board[2][3]->kind, 6);
    EXPECT_EQ(runes_dropped, 1);
    for (int frame = 1; frame <= 8; ++frame) {
        frames(1);
        EXPECT_EQ(plays(click_sound), frame == 8 ? 1 : 0) << "frame " << frame;
        EXPECT_FLOAT_EQ(board[2][3]->y_offset, frame == 8 ? 0.0f : -80.0f + 10 * frame);
    }
}

TEST_F(RulesTest, DropIntoEmptyColumnFallsToTheBottomAtOnce) {
    cursor_column = 0;
    drop_rune();
    frames(1);
    ASSERT_TRUE(board[0][10]);
    // 6 cells fallen: -80 - 6 * 48, then one step of 10 toward the cell.
    EXPECT_FLOAT_EQ(board[0][10]->y_offset, -358);
    frames(35);
    EXPECT_EQ(plays(click_sound), 0);
    frames(1);
    EXPECT_EQ(plays(click_sound), 1);
    EXPECT_FLOAT_EQ(board[0][10]->y_offset, 0);
    frames(3);
    EXPECT_EQ(plays(click_sound), 1);
}

TEST_F(RulesTest, StackAboveGapFallsOneRuneAFrame) {
    Rune* upper = &put(0, 4, 1);
    Rune* lower = &put(0, 5, 2);
    frames(1);
    EXPECT_EQ(board[0][10].get(), lower);
    EXPECT_FLOAT_EQ(lower->y_offset, -5 * 48 + 10);
    EXPECT_EQ(board[0][4].get(), upper);
    frames(1);
    EXPECT_EQ(board[0][9].get(), upper);
    EXPECT_FLOAT_EQ(upper->y_offset, -5 * 48 + 10);
}

TEST_F(RulesTest, DropIntoFullColumn) {
    fill_column(4, column_top(4));
    cursor_column = 4;
    next_kind = 5;
    Rune* top = board[4][2].get();
    std::int32_t dice = random_state();
    drop_rune();
    EXPECT_EQ(board[4][2].get(), top);
    EXPECT_EQ(next_kind, 5);
    EXPECT_EQ(runes_dropped, 0);
    EXPECT_EQ(random_state(), dice);

    // A clearing rune frees a place: the drop replaces the top rune.
    board[4][8]->clear_count = 3;
    drop_rune();
    EXPECT_EQ(runes_dropped, 1);
    EXPECT_EQ(board[4][2]->kind, 5);
    EXPECT_FLOAT_EQ(board[4][2]->y_offset, -80);
}

TEST_F(RulesTest, SpecialRunesComeMoreOftenOnAFullerBoard) {
    auto specials = [] {
        int count = 0;
        for (int i = 0; i < 3010; ++i) {
            int kind = choose_next_kind();
            EXPECT_TRUE(kind >= 0 && kind <= RUNE_WILD);
            count += kind >= RUNE_WHITE;
        }
        return count;
    };
    EXPECT_EQ(specials(), 0);
    fill_board();
    board[0][10]->clear_count = 1; // clearing runes do not count
    int count = specials();        // expect 66 in 301: about 660 of 3010
    EXPECT_GT(count, 560);
    EXPECT_LT(count, 760);
}
