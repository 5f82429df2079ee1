#include "system/random.h"

#include <gtest/gtest.h>

TEST(Random, StatesFollowTheMinimalStandardSequence) {
    seed_random(4660);
    const std::int32_t expected[] = {224942860,  539475828,  650989866,
                                     1951098782, 1446483090, 2049422479};
    for (std::int32_t state : expected) EXPECT_EQ(random_step(), state);
}

TEST(Random, UnitTakesTwoStepsAndIsExact) {
    seed_random(4660);
    EXPECT_DOUBLE_EQ(random_unit(), 0.4189887270692887);
    EXPECT_EQ(random_unit() >= 0.0, true);
    seed_random(4660);
    random_unit();
    EXPECT_EQ(random_state(), 539475828);
}

TEST(Random, IntRangeIsInclusiveInEitherOrder) {
    seed_random(4660);
    EXPECT_EQ(random_int(3, 5), 4);
    seed_random(4660);
    EXPECT_EQ(random_int(5, 3), 4);
    seed_random(4660);
    EXPECT_EQ(random_int(0, 0), 0);
    EXPECT_EQ(random_state(), 539475828) << "a degenerate range still takes two steps";
}

TEST(Random, RealRange) {
    seed_random(4660);
    EXPECT_EQ(random_real(2.0, 2.0), 2.0);
    EXPECT_EQ(random_state(), 539475828);
    seed_random(4660);
    EXPECT_DOUBLE_EQ(random_real(10.0, 20.0), 10.0 + 0.4189887270692887 * 10.0);
    seed_random(4660);
    EXPECT_DOUBLE_EQ(random_real(20.0, 10.0), 10.0 + 0.4189887270692887 * 10.0);
}

TEST(Random, IntRangesStayInBoundsAndCoverThem) {
    seed_random(12345);
    int seen[11] = {};
    for (int i = 0; i < 20000; ++i) {
        int v = random_int(0, 10);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 10);
        ++seen[v];
    }
    for (int count : seen) EXPECT_GT(count, 1500);
}

TEST(Random, SeedsThatWouldStallAreReplaced) {
    seed_random(0);
    EXPECT_EQ(random_state(), 4660);
    seed_random(-1);
    EXPECT_EQ(random_state(), 4660);
    seed_random(INT32_MIN);
    EXPECT_EQ(random_state(), 4660);
    seed_random(-5);
    EXPECT_EQ(random_state(), 2147483643);
}

TEST(Random, FloatToIntTruncatesTowardZero) {
    EXPECT_EQ(float_to_int(2.7), 2);
    EXPECT_EQ(float_to_int(-2.7), -2);
    EXPECT_EQ(float_to_int(-0.5), 0);
    EXPECT_EQ(float_to_int(1.999), 1);
    EXPECT_EQ(float_to_int(1e300), INT32_MIN);
    EXPECT_EQ(float_to_int(std::numeric_limits<double>::quiet_NaN()), INT32_MIN);
}

TEST(Random, SingleTakesOneStep) {
    seed_random(4660);
    float v = random_single();
    EXPECT_EQ(random_state(), 224942860);
    EXPECT_FLOAT_EQ(v, static_cast<float>((224942860 & 0x0ffffff0) / 268435456.0));
}
