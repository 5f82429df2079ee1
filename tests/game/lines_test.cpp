#include "game/board.h"
#include "game/lines.h"
#include "rules_fixture.h"

namespace {

RuneRef rune(int kind, float y_offset = 0) {
    auto r = std::make_shared<Rune>();
    r->kind = kind;
    r->y_offset = y_offset;
    return r;
}

} // namespace

TEST_F(RulesTest, VerticalTripleClearsOverTwentyOneFrames) {
    Rune* runes[3] = {&put(0, 8, 3), &put(0, 9, 3), &put(0, 10, 3)};
    frames(1); // frame t
    EXPECT_EQ(plays(sparkle_sound), 1);
    EXPECT_EQ(score, 3);
    for (Rune* r : runes) EXPECT_EQ(r->clear_count, 1);
    frames(20);
    for (Rune* r : runes) EXPECT_EQ(r->clear_count, 41);
    EXPECT_EQ(plays(sparkle_sound), 1);
    EXPECT_EQ(score, 3);
    forget_log();
    frames(1); // t + 21
    EXPECT_EQ(active_rune_count(), 0);
    EXPECT_FALSE(board[0][8] || board[0][9] || board[0][10]);
    ASSERT_EQ(sparkles.size(), 60u);
    for (const Sparkle& s : sparkles) EXPECT_EQ(s.frame, 3);
    EXPECT_EQ(plays_total(), 0);
}

TEST_F(RulesTest, WildRunesCompleteLines) {
    EXPECT_TRUE(lines_match(rune(3), rune(10), rune(3)));
    EXPECT_TRUE(lines_match(rune(10), rune(3), rune(3)));
    EXPECT_TRUE(lines_match(rune(3), rune(3), rune(10)));
    EXPECT_TRUE(lines_match(rune(10), rune(10), rune(4)));
    EXPECT_TRUE(lines_match(rune(8), rune(10), rune(10)));
    EXPECT_TRUE(lines_match(rune(7), rune(7), rune(7)));
    EXPECT_FALSE(lines_match(rune(3), rune(3), rune(4)));
    EXPECT_FALSE(lines_match(rune(10), rune(3), rune(4)));
    EXPECT_FALSE(lines_match(rune(3), nullptr, rune(3)));
    // Only runes at rest match; a picture within a pixel of its cell counts.
    EXPECT_FALSE(lines_match(rune(3), rune(3, -1), rune(3)));
    EXPECT_TRUE(lines_match(rune(3), rune(3, -0.5f), rune(3)));
}

TEST_F(RulesTest, LinesRunAlongTheThreeAxesOnly) {
    // Across: (1, 5), (2, 5), (3, 5).
    put(1, 5, 4), put(2, 5, 4), put(3, 5, 4);
    find_matches();
    EXPECT_EQ(score, 3);
    // Along the rising diagonal: (3, 8), (4, 7), (5, 6).
    put(3, 8, 5), put(4, 7, 5), put(5, 6, 5);
    find_matches();
    EXPECT_EQ(score, 6);
    // (c + 1, r + 1) is not a neighbour: (5, 2), (6, 3), (7, 4) is no line.
    put(5, 2, 6), put(6, 3, 6), put(7, 4, 6);
    find_matches();
    EXPECT_EQ(score, 6);
    EXPECT_EQ(board[6][3]->clear_count, 0);
    // A line of four is two lines of three: the middle runes count twice.
    put(8, 3, 2), put(8, 4, 2), put(8, 5, 2), put(8, 6, 2);
    find_matches();
    EXPECT_EQ(score, 10);
    EXPECT_EQ(board[8][3]->clear_count, 1);
    EXPECT_EQ(board[8][4]->clear_count, 2);
    EXPECT_EQ(board[8][5]->clear_count, 2);
    EXPECT_EQ(plays(sparkle_sound), 3); // the second centre was already clearing
}
