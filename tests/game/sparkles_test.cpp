#include "game/sparkle_spawners.h"
#include "game/sparkles.h"
#include "rules_fixture.h"
#include "system/random.h"

#include <cmath>
#include <functional>

namespace {

// Updates until the list is empty; the update that emptied it.
int lifetime(const std::function<void()>& spawn) {
    clear_sparkles();
    spawn();
    std::size_t count = sparkles.size();
    for (int update = 1; update <= 1000; ++update) {
        update_sparkles();
        if (sparkles.empty()) return update;
        if (sparkles.size() != count) return -update; // a group leaves together
    }
    return 0;
}

} // namespace

TEST_F(RulesTest, SparkleLifetimes) {
    EXPECT_EQ(lifetime([] { spawn_burst(100, 100, 2); }), 101);
    EXPECT_EQ(lifetime([] { spawn_converge(100, 100, 2); }), 51);
    EXPECT_EQ(lifetime([] { spawn_lightning(100, 100, 300, 20); }), 201);
    EXPECT_EQ(lifetime([] { spawn_black_burst(100, 100); }), 25);
    EXPECT_EQ(lifetime([] { spawn_white_burst(100, 100); }), 51);
}

TEST_F(RulesTest, ConvergingSparklesLeaveByAlphaAndAreDrawnOnceMore) {
    spawn_converge(200, 200, 4);
    for (int update = 0; update < 50; ++update) update_sparkles();
    for (const Sparkle& s : sparkles) {
        EXPECT_GE(s.alpha, 0);
        EXPECT_NEAR(s.scale, 0.5f, 1e-4);
        // Gone just as they reach the centre.
        EXPECT_NEAR(std::hypot(s.x - 200, s.y - 200), 0, 1e-3);
    }
    forget_log();
    update_sparkles();
    EXPECT_TRUE(sparkles.empty());
    EXPECT_EQ(drawn(sparks_image).size(), 20u);
}

TEST_F(RulesTest, SparklesLeaveTheListInTheMiddleOfAPass) {
    spawn_black_burst(50, 50);
    spawn_burst(60, 60, 1);
    spawn_black_burst(70, 70);
    for (int update = 0; update < 25; ++update) update_sparkles();
    ASSERT_EQ(sparkles.size(), 20u);
    for (Sparkle& s : sparkles) {
        EXPECT_EQ(s.frame, 1);
        EXPECT_EQ(&*s.link, &s);
    }
    spawn_white_burst(80, 80);
    update_sparkles();
    EXPECT_EQ(sparkles.size(), 44u);
    EXPECT_EQ(sparkles.back().frame, 7);
    clear_sparkles();
    EXPECT_TRUE(sparkles.empty());
}

TEST_F(RulesTest, SpawnersDrawTheirNumbersInOrder) {
    seed_random(777);
    double u[4];
    for (double& v : u) v = random_unit();
    seed_random(777);
    spawn_burst(10, 20, 5);
    const Sparkle& s = sparkles.front();
    EXPECT_EQ(s.vy, static_cast<float>(-3 + u[0] * 3));
    EXPECT_EQ(s.vx, static_cast<float>(-3 + u[1] * 6));
    EXPECT_EQ(s.rotation, static_cast<float>(u[2] * 360));
    EXPECT_EQ(s.rotation_step, static_cast<float>(-15 + u[3] * 30));

    clear_sparkles();
    spawn_black_burst(0, 0);
    spawn_white_burst(0, 0);
    int k = 0;
    for (const Sparkle& p : sparkles) {
        float speed = std::hypot(p.vx, p.vy);
        if (k < 50) {
            EXPECT_TRUE(std::fabs(speed - 4) < 1e-4 || std::fabs(speed - 5) < 1e-4) << speed;
            EXPECT_EQ(p.rotation, 15 * (k + 1));
        } else {
            int w = k - 50; // six rays, the slowest still
            EXPECT_EQ(p.rotation, 60 * (w + 1) + 30);
            EXPECT_NEAR(speed, w / 6, 1e-4);
        }
        ++k;
    }
}
