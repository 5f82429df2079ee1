// Software frame pacing, on a simulated clock.
#include "graphics/counters.h"
#include "graphics/display.h"
#include "graphics/frame_pacer.h"
#include "graphics/startup.h"
#include "tests/support/recording_render_driver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

std::int32_t fake_now = 0;
std::vector<int> sleeps;

std::int32_t fake_clock() {
    return fake_now;
}
void fake_sleep(std::int32_t ms) {
    sleeps.push_back(ms);
    fake_now += ms;
}

class Pacing : public testing::Test {
  protected:
    void SetUp() override {
        fake_now = 1000;
        sleeps.clear();
        set_pacing_clock(fake_clock, fake_sleep);
    }
    void TearDown() override { set_pacing_clock(nullptr, nullptr); }
};

} // namespace

TEST_F(Pacing, AFastFrameSleepsToItsSlot) {
    TRecordingRenderDriver::Scope scope(640, 480, 60);
    fake_now += 5; // a 5 ms frame
    present_frame(-1);
    // Slot 1 is due at 1000 / 60 = 16 ms.
    EXPECT_EQ(sleeps, std::vector<int>{11});
    EXPECT_EQ(scope.driver().log(), "present_frame(0)\n");
    fake_now += 5;
    present_frame(-1);
    // Slot 2: 2000 / 60 = 33 ms after the start; now is 21.
    EXPECT_EQ(sleeps, (std::vector<int>{11, 12}));
}

TEST_F(Pacing, ALateFrameDoesNotSleepAndRestartsTheSchedule) {
    TRecordingRenderDriver::Scope scope(640, 480, 60);
    fake_now += 200;
    present_frame(-1);
    EXPECT_TRUE(sleeps.empty());
    EXPECT_EQ(scope.driver().log(), "present_frame(0)\n");
    // The next frame is paced from the late one, not from the opening.
    fake_now += 5;
    present_frame(-1);
    EXPECT_EQ(sleeps, std::vector<int>{11});
}

TEST_F(Pacing, FrameCountersSeeEveryPresentAndTheLongestGapSinceTheLastLook) {
    TRecordingRenderDriver::Scope scope(640, 480, 60);
    present_frame(0);
    take_longest_frame_interval_us();
    const std::int64_t frames = frames_presented(), late = late_frames();
    present_frame(0);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    present_frame(-1);
    EXPECT_EQ(frames_presented(), frames + 2);
    // The quick frame may also come late on a busy machine; the slow one must.
    EXPECT_GE(late_frames(), late + 1);
    EXPECT_LE(late_frames(), late + 2);
    EXPECT_GE(take_longest_frame_interval_us(), 30000);
    EXPECT_EQ(take_longest_frame_interval_us(), 0);
}

TEST(TFramePacer, KeepsSixtyFramesASecondOnAverage) {
    TFramePacer pacer;
    std::int32_t now = 0;
    pacer.start(60, now);
    for (int frame = 0; frame < 600; ++frame) {
        now += 3;
        now += pacer.next_wait(now);
    }
    EXPECT_EQ(now, 10000); // 600 frames of 1000/60 ms: exactly ten seconds
}

TEST(TFramePacer, StaysExactAcrossClockWrapAndLongRuns) {
    // A run long enough that the frame count times 1000, and the elapsed
    // milliseconds times the rate, no longer fit in 32 bits; it starts just
    // before the millisecond clock wraps.
    TFramePacer pacer;
    std::uint32_t now = 0xfffff000u;
    pacer.start(60, static_cast<std::int32_t>(now));
    const std::uint32_t start = now;
    std::int64_t frames = 2300000; // about 10.6 hours at 60 frames a second
    for (std::int64_t frame = 0; frame < frames; ++frame) {
        now += 2;
        int wait = pacer.next_wait(static_cast<std::int32_t>(now));
        ASSERT_GT(wait, 0) << "frame " << frame;
        ASSERT_LT(wait, 1000);
        now += static_cast<std::uint32_t>(wait);
    }
    // Every frame left on its slot: frame n at n * 1000 / 60 ms.
    EXPECT_EQ(static_cast<std::uint32_t>(now - start),
              static_cast<std::uint32_t>(frames * 1000 / 60));
}

TEST(TFramePacer, RateZeroNeverWaits) {
    TFramePacer pacer;
    pacer.start(0, 0);
    EXPECT_EQ(pacer.next_wait(1), 0);
}

TEST_F(Pacing, ANegativeRateFlipsUnpacedAndRateZeroOnTheBlank) {
    {
        TRecordingRenderDriver::Scope scope(640, 480, -60);
        fake_now += 5;
        present_frame(-1);
        EXPECT_TRUE(sleeps.empty());
        EXPECT_EQ(scope.driver().log(), "present_frame(0)\n");
    }
    TRecordingRenderDriver::Scope scope(640, 480, 0);
    present_frame(-1);
    EXPECT_EQ(scope.driver().log(), "present_frame(1)\n");
}

namespace {

// A recording driver whose flips take a set time on the simulated clock.
class TTimedFlips : public TRecordingRenderDriver {
  public:
    int flip_ms = 0;
    void present_frame(int sync) override {
        TRecordingRenderDriver::present_frame(sync);
        fake_now += flip_ms;
    }
};

} // namespace

TEST_F(Pacing, FullScreenDisplaysLeavePacingToTheHardwareWhenFlipsTakeAPeriod) {
    graphics_startup();
    RenderDriverRef previous = render_driver();
    auto driver = std::make_shared<TTimedFlips>();
    set_render_driver(driver);
    // Flips of 16 ms at 60 Hz: within a millisecond of 1000 / 60 three times.
    driver->flip_ms = 16;
    ASSERT_TRUE(open_display(640, 480, 32, 60, 0));
    driver->clear();
    present_frame(-1);
    EXPECT_EQ(driver->log(), "present_frame(1)\n");
    EXPECT_TRUE(sleeps.empty());
    // Instant flips: the test gives up after a second and paces in software.
    std::int32_t before = fake_now;
    driver->flip_ms = 2;
    ASSERT_TRUE(open_display(640, 480, 32, 60, 0));
    EXPECT_GE(fake_now - before, 1000);
    driver->clear();
    present_frame(-1);
    EXPECT_EQ(driver->log(), "present_frame(0)\n");
    // A window never tests the hardware.
    driver->flip_ms = 16;
    ASSERT_TRUE(open_display(640, 480, 0, 60, 0));
    EXPECT_EQ(driver->count("present_frame"), 1 + 2); // the one above and the opening's two
    close_display();
    set_render_driver(previous);
}

TEST_F(Pacing, AReopenedDisplayStartsANewSchedule) {
    {
        TRecordingRenderDriver::Scope scope(640, 480, 60);
        for (int frame = 0; frame < 30; ++frame) {
            fake_now += 5;
            present_frame(-1);
        }
    }
    sleeps.clear();
    TRecordingRenderDriver::Scope again(640, 480, 60);
    fake_now += 5;
    present_frame(-1);
    // Not the half second the old display's thirty frames would ask for.
    EXPECT_EQ(sleeps, std::vector<int>{11});
}
