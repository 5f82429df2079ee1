#include "game/statistics.h"
#include "rules_fixture.h"

namespace {

// (x, digit) of every digit drawn on the row at y, in drawing order.
std::vector<std::pair<float, int>> row(const std::vector<DrawnImage>& digits, float y) {
    std::vector<std::pair<float, int>> out;
    for (const DrawnImage& d : digits)
        if (d.y == y) out.emplace_back(d.x, d.frame);
    return out;
}

} // namespace

TEST_F(RulesTest, ScorePanel) {
    score = 1204;
    draw_statistics();
    auto digits = drawn(digit_image);
    using Row = std::vector<std::pair<float, int>>;
    EXPECT_EQ(row(digits, 256), (Row{{612, 4}, {588, 0}, {564, 2}, {540, 1}}));
    EXPECT_EQ(row(digits, 297), (Row{{612, 0}}));
    EXPECT_TRUE(row(digits, 338).empty()); // no efficiency before the first drop

    forget_log();
    score = 83;
    runes_dropped = 100;
    draw_statistics();
    EXPECT_EQ(row(drawn(digit_image), 338), (Row{{588, 0}, {564, 0}, {540, 3}, {516, 8}}));

    // A long game's score times 10000 does not fit in 32 bits.
    forget_log();
    score = 300000;
    runes_dropped = 1000000;
    draw_statistics();
    EXPECT_EQ(row(drawn(digit_image), 338), (Row{{588, 0}, {564, 0}, {540, 0}, {516, 3}}));
}
