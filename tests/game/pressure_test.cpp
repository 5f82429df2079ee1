#include "game/board.h"
#include "game/pressure.h"
#include "game/rune_update.h"
#include "rules_fixture.h"
#include "system/random.h"
#include "tests/support/recording_render_driver.h"

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

TEST_F(RulesTest, GaugeHandPointsDownAtHalfPressure) {
    pressure = 3500;
    update_pressure();
    std::vector<std::vector<int>> colors;
    std::vector<std::vector<float>> ovals;
    std::vector<float> matrix, hand_matrix, hand;
    int hand_blend = 0, last_blend = 0;
    for (const RenderCall& call : render_log()) {
        if (call.name == "set_color")
            colors.push_back({int(call.args[0]), int(call.args[1]), int(call.args[2])});
        if (call.name == "draw_oval") ovals.push_back(call.args);
        if (call.name == "set_transform") matrix = call.args;
        if (call.name == "set_blend") last_blend = int(call.args[0]);
        if (call.name == "draw_line")
            hand = call.args, hand_matrix = matrix, hand_blend = last_blend;
    }
    ASSERT_EQ(ovals.size(), 12u);
    ASSERT_GE(colors.size(), 12u);
    const int blue[11] = {0, 22, 44, 67, 89, 112, 134, 157, 179, 202, 224};
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(colors[i], (std::vector<int>{25 * i, 25 * i, blue[i]}));
        float size = 80.0f - 2 * i;
        EXPECT_EQ(ovals[i], (std::vector<float>{0, 0, size, size, 520.0f + i, 380.0f + i}));
    }
    EXPECT_EQ(colors[11], (std::vector<int>{250, 250, 225}));
    EXPECT_EQ(ovals[11], (std::vector<float>{0, 0, 58, 58, 531, 391}));
    EXPECT_EQ(hand_blend, BLEND_SOLID);
    ASSERT_EQ(hand.size(), 6u);
    // The hand's far end, through the matrix in force when it was drawn.
    float end_x = hand[2] * hand_matrix[0] + hand[3] * hand_matrix[1] + hand[4];
    float end_y = hand[2] * hand_matrix[2] + hand[3] * hand_matrix[3] + hand[5];
    EXPECT_NEAR(end_x, 560, 1e-3);
    EXPECT_NEAR(end_y, 460, 1e-3);
    // Restored for whatever is drawn next.
    EXPECT_EQ(colors.back(), (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(last_blend, BLEND_ALPHA);
    EXPECT_EQ(matrix, (std::vector<float>{1, 0, 0, 1}));
}
