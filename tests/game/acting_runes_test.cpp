#include "game/board.h"
#include "game/rune_update.h"
#include "rules_fixture.h"

#include <cmath>

TEST_F(RulesTest, WhiteRuneRepaintsTheRunesBeyondItsNeighbours) {
    put(4, 3, 5), put(4, 4, 3, -50); // a neighbour still falling counts
    put(4, 5, RUNE_WHITE), put(4, 6, 1), put(4, 7, 2), put(4, 8, 0);
    update_runes();
    EXPECT_EQ(board[4][5]->clear_count, 1);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(board[4][3]->kind, 3);
    EXPECT_EQ(board[4][7]->kind, 1);
    // Upward first, so the first 20 sparkles close in on (4, 3).
    ASSERT_EQ(sparkles.size(), 40u);
    const Sparkle& first = sparkles.front();
    EXPECT_EQ(first.frame, 3);
    EXPECT_NEAR(std::hypot(first.x - cell_center_x(4), first.y - cell_center_y(4, 3)), 100, 1e-3);
    EXPECT_EQ(sparkles.back().frame, 1);
}

TEST_F(RulesTest, WhiteTripleScoresNothing) {
    put(0, 8, RUNE_WHITE), put(0, 9, RUNE_WHITE), put(0, 10, RUNE_WHITE);
    frames(20);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(plays(sparkle_sound), 0);
    EXPECT_EQ(plays(white_sound), 0);
    frames(1);
    EXPECT_EQ(plays(white_sound), 3);
    EXPECT_EQ(active_rune_count(), 0);
}

TEST_F(RulesTest, BlackRuneClearsItsNeighbours) {
    for (int c = 3; c <= 5; ++c) fill_column(c, column_top(c));
    Rune* black = &put(4, 5, RUNE_BLACK, -5);
    frames(1); // comes to rest and acts in frame t
    EXPECT_EQ(plays(click_sound), 1);
    EXPECT_EQ(score, 6);
    EXPECT_EQ(black->clear_count, 2);
    EXPECT_EQ(board[4][3]->clear_count, 0); // two cells up: no neighbour
    frames(38);
    EXPECT_EQ(board[4][5].get(), black);
    EXPECT_EQ(black->clear_count, 40);
    EXPECT_EQ(plays(black_sound), 0);
    frames(1); // t + 39
    EXPECT_NE(board[4][5].get(), black);
    EXPECT_EQ(plays(black_sound), 1);
    EXPECT_EQ(score, 6);
}

TEST_F(RulesTest, GrayRuneSweepsItsTargetKind) {
    fill_column(0, column_top(0));
    put(1, 10, 5), put(6, 7, 5, -300); // the second one still falling
    put(3, 8, RUNE_GRAY), put(3, 9, 5);
    update_runes();
    EXPECT_EQ(plays(gray_sound), 1);
    EXPECT_EQ(score, 3);
    EXPECT_EQ(board[3][8]->clear_count, 1);
    for (auto [c, r] : {std::pair{1, 10}, {3, 9}, {6, 7}}) EXPECT_GT(board[c][r]->clear_count, 0);
    EXPECT_EQ(active_rune_count(), 7);
    // The lightning runs from the gray rune through the swept runes in scan order.
    ASSERT_EQ(sparkles.size(), 72u);
    std::vector<std::pair<float, float>> starts;
    int i = 0;
    for (const Sparkle& s : sparkles) {
        EXPECT_EQ(s.frame, 8);
        if (i++ % 24 == 0) starts.emplace_back(s.x, s.y);
    }
    std::vector<std::pair<float, float>> chain = {{200, 380}, {120, 420}, {200, 420}};
    EXPECT_EQ(starts, chain);
}

TEST_F(RulesTest, GrayOnGraySweepsEveryGrayAndNoneOfThemActs) {
    put(3, 8, RUNE_GRAY), put(3, 9, RUNE_GRAY);
    put(6, 6, RUNE_GRAY), put(6, 7, 0), put(2, 9, 0);
    update_runes();
    update_runes();
    EXPECT_EQ(plays(gray_sound), 1);
    EXPECT_EQ(score, 2);
    EXPECT_EQ(board[6][7]->clear_count, 0);
    EXPECT_EQ(active_rune_count(), 2);
}

TEST_F(RulesTest, GrayRuneAtTheBottomClearsOnlyItself) {
    put(2, 9, 0), put(0, 10, RUNE_GRAY), put(4, 8, 0);
    update_runes();
    EXPECT_EQ(plays(gray_sound), 1);
    EXPECT_EQ(board[0][10]->clear_count, 1);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(active_rune_count(), 2);
    EXPECT_TRUE(sparkles.empty());
}
