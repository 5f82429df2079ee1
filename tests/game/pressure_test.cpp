#include "game/board.h"
#include "game/pressure.h"
#include "game/rune_update.h"
#include "rules_fixture.h"
#include "system/random.h"

namespace {

// Frames of the pressure rule until it next places a rune on the board.
int frames_to_next_rune() {
    int before = active_rune_count();
    for (int frame = 1; frame < 10000; ++frame) {
        update_pressure();
        if (active_rune_count() > before) return frame;
    }
    return -1;
}

} // namespace

TEST_F(RulesTest, PressureGrowsWithTheScore) {
    update_pressure();
    EXPECT_EQ(pressure, 0);
    score = 1;
    update_pressure();
    EXPECT_EQ(pressure, 1);
    score = 100;
    pressure = 0;
    update_pressure();
    EXPECT_EQ(pressure, 31); // 31.62, truncated with the running total
    pressure = 0;
    EXPECT_EQ(frames_to_next_rune(), 226);
    EXPECT_EQ(pressure, 0);
    EXPECT_EQ(frames_to_next_rune(), 226);
}

TEST_F(RulesTest, PressureRuneGoesToAColumnWithRoomAndFadesIn) {
    fill_board();
    // Only column 5 has room, in its three top cells.
    for (int r = 1; r <= 3; ++r) board[5][r] = nullptr;
    score = 100;
    EXPECT_EQ(frames_to_next_rune(), 226);
    ASSERT_TRUE(board[5][3]);
    EXPECT_FALSE(board[5][2]);
    Rune& rune = *board[5][3];
    EXPECT_LE(rune.kind, RUNE_ORDINARY_LAST);
    EXPECT_FLOAT_EQ(rune.y_offset, 0);
    EXPECT_FLOAT_EQ(rune.opacity, 0);
    for (int frame = 0; frame < 20; ++frame) update_runes();
    EXPECT_NEAR(rune.opacity, 1, 1e-5);
}

TEST_F(RulesTest, PressureOnAFullBoardAddsNothing) {
    fill_board();
    Rune* corner = board[8][0].get();
    pressure = 7000;
    score = 1;
    std::int32_t dice = random_state();
    update_pressure(); // would search forever for a column with room
    EXPECT_EQ(pressure, 0);
    EXPECT_EQ(board[8][0].get(), corner);
    // Only the kind was drawn: one range draw is two generator steps.
    std::int32_t after = random_state();
    seed_random(dice);
    random_step();
    EXPECT_EQ(random_step(), after);
}
