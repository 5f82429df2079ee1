#include "audio/counters.h"
#include "audio/ring_device.h"
#include "tests/audio/mixer_fixture.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Plays nothing; its position is whatever the test says.
class ScriptedPort : public waveport {
  public:
    struct Log {
        std::uint64_t position = 0;
        int opens = 0, starts = 0, resets = 0, closes = 0;
        bool refuse_open = false;
        std::uint64_t published = 0;
        std::atomic<bool> serving{false};
        std::thread::id server;
        std::function<void()> playback_step;
    };
    explicit ScriptedPort(Log& log) : log_(log) {}
    bool open(const std::int16_t*, int bytes) override {
        EXPECT_EQ(bytes, 65536);
        ++log_.opens;
        return !log_.refuse_open;
    }
    bool start() override { return ++log_.starts, true; }
    void reset() override {
        ++log_.resets;
        log_.position = 0;
    }
    std::uint64_t position() override { return log_.position; }
    void publish(std::uint64_t samples) override { log_.published = samples; }
    void close() override { ++log_.closes; }
    void serve_from_this_thread() override {
        log_.server = std::this_thread::get_id();
        log_.serving.store(true);
    }
    bool serve_on_playback(std::function<void()> step) override {
        log_.playback_step = std::move(step);
        return true;
    }

  private:
    Log& log_;
};

class RingDevice : public MixerFixture {
  protected:
    void SetUp() override {
        MixerFixture::SetUp();
        device_ = std::make_unique<ringdevice>(
            driver_->engine(), std::make_unique<ScriptedPort>(port_), ringdevice::Service::Caller);
    }

    // Moves the hardware on to `samples` samples played.
    void play_to(std::int64_t samples) { port_.position = static_cast<std::uint64_t>(samples) * 2; }

    int fragment_value(int fragment, int sample) const {
        return device_->ring()[fragment * ringdevice::fragment_samples + sample];
    }

    ScriptedPort::Log port_;
    std::unique_ptr<ringdevice> device_;
};

TEST_F(RingDevice, StartsSixFragmentsAheadAndKeepsThatLeadAsPlayMovesOn) {
    now_ms() = 0;
    play_sound(constant(700, 100000, 1));
    now_ms() = 20; // the voice starts on the first mixed frame
    ASSERT_TRUE(device_->init());
    EXPECT_EQ(port_.opens, 1);
    EXPECT_EQ(port_.starts, 1);
    EXPECT_EQ(device_->latency(), 6);
    EXPECT_EQ(device_->written(), 6 * 1024);
    EXPECT_EQ(port_.published, 6u * 1024u);
    for (int f = 0; f < 6; ++f) EXPECT_EQ(fragment_value(f, 1023), 700) << f;
    EXPECT_EQ(fragment_value(6, 0), 0);

    play_to(1000); // 6144 < 1000 + 6144: one more block
    device_->service();
    EXPECT_EQ(device_->written(), 7 * 1024);
    for (int k = 2; k <= 30; ++k) {
        play_to(k * 1024);
        device_->service();
        ASSERT_EQ(device_->written(), (k + 6) * 1024) << k;
    }
    // Round the ring: fragments 0..3 hold the 33rd to 36th blocks.
    EXPECT_EQ(fragment_value(3, 0), 700);
    EXPECT_EQ(device_->latency(), 6);
    EXPECT_EQ(port_.resets, 0);
}

TEST_F(RingDevice, UnderrunsSilenceTheRingRestartLaterAndRaiseTheLatency) {
    now_ms() = 0;
    play_sound(constant(700, 100000, 1));
    now_ms() = 20;
    ASSERT_TRUE(device_->init());

    // Played to within less than two fragments of what was written.
    play_to(6 * 1024 - 2047);
    device_->service();
    EXPECT_EQ(port_.resets, 1);
    EXPECT_EQ(device_->latency(), 8);
    EXPECT_EQ(device_->restart_countdown(), 250);
    EXPECT_EQ(device_->written(), 8 * 1024 * 2);
    for (int f = 0; f < 32; ++f) ASSERT_EQ(fragment_value(f, 0), 0) << f;

    for (int step = 1; step < 250; ++step) device_->service();
    EXPECT_EQ(port_.starts, 1); // still waiting
    EXPECT_EQ(device_->restart_countdown(), 1);
    device_->service();
    EXPECT_EQ(port_.starts, 2);
    EXPECT_EQ(device_->restart_countdown(), 0);
    EXPECT_EQ(device_->written(), 16 * 1024); // the silent lead plays out first

    play_to(9 * 1024);
    device_->service();
    EXPECT_EQ(device_->written(), 17 * 1024); // 8 fragments ahead again
    EXPECT_EQ(fragment_value(16, 5), 700);

    play_to(16 * 1024); // a second underrun
    device_->service();
    EXPECT_EQ(device_->latency(), 10);
    EXPECT_EQ(device_->written(), 20 * 1024);
    for (int step = 0; step < 250; ++step) device_->service();
    play_to(20 * 1024);
    device_->service();
    EXPECT_EQ(device_->latency(), 10); // as far as it goes
    play_to(21 * 1024);
    device_->service();
    EXPECT_EQ(device_->latency(), 10);
    EXPECT_EQ(port_.resets, 3);
}

TEST_F(RingDevice, NothingCountsAsAnUnderrunBeforeTheFirstSampleIsPlayed) {
    ASSERT_TRUE(device_->init());
    device_->service();
    device_->service();
    EXPECT_EQ(port_.resets, 0);
    EXPECT_EQ(device_->written(), 6 * 1024);
}

TEST_F(RingDevice, APortThatWillNotOpenLeavesNothingRunning) {
    port_.refuse_open = true;
    EXPECT_FALSE(device_->init());
    device_->service();
    EXPECT_EQ(port_.starts, 0);
    device_->close();
    EXPECT_EQ(port_.closes, 0);
}

TEST_F(RingDevice, CloseStopsTheHardwareOnceAndServiceStepsAfterwardsDoNothing) {
    ASSERT_TRUE(device_->init());
    device_->close();
    device_->close();
    EXPECT_EQ(port_.resets, 1);
    EXPECT_EQ(port_.closes, 1);
    play_to(5000);
    device_->service();
    EXPECT_EQ(port_.resets, 1);
}

} // namespace

TEST_F(RingDevice, CountsAnUnderrunOnlyWhenThePlayCatchesUpWithTheMixing) {
    const std::int64_t before = audio_underrun_count();
    ASSERT_TRUE(device_->init());
    // Fed: the service keeps up, however far play goes.
    for (int k = 1; k <= 100; ++k) {
        play_to(k * 1024);
        device_->service();
    }
    EXPECT_EQ(device_->underruns(), 0);
    EXPECT_EQ(audio_underrun_count(), before);

    // Starved: play reaches what was mixed while the service step was away.
    play_to(device_->written() - 100);
    device_->service();
    EXPECT_EQ(device_->underruns(), 1);
    EXPECT_EQ(audio_underrun_count(), before + 1);
    // The silent wait that follows and the restart are not underruns.
    for (int step = 0; step < ringdevice::restart_steps; ++step) device_->service();
    for (int k = 1; k <= 20; ++k) {
        play_to(k * 1024);
        device_->service();
    }
    EXPECT_EQ(device_->underruns(), 1);
    EXPECT_EQ(audio_underrun_count(), before + 1);
}

TEST_F(RingDevice, ItsServiceThreadTellsThePortWhichThreadKeepsTheRingFed) {
    ScriptedPort::Log log;
    ringdevice threaded(driver_->engine(), std::make_unique<ScriptedPort>(log),
                        ringdevice::Service::Thread);
    ASSERT_TRUE(threaded.init());
    for (int i = 0; i < 200 && !log.serving.load(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    threaded.close();
    ASSERT_TRUE(log.serving.load());
    EXPECT_NE(log.server, std::this_thread::get_id());
    // The step that runs in init, on the caller's thread, does not count.
    ScriptedPort::Log by_hand;
    ringdevice unthreaded(driver_->engine(), std::make_unique<ScriptedPort>(by_hand),
                          ringdevice::Service::Caller);
    ASSERT_TRUE(unthreaded.init());
    EXPECT_FALSE(by_hand.serving.load());
}

TEST_F(RingDevice, WithoutThreadsEveryReadOfThePortFirstKeepsTheLeadUp) {
    ScriptedPort::Log log;
    ringdevice device(driver_->engine(), std::make_unique<ScriptedPort>(log),
                      ringdevice::Service::Playback);
    ASSERT_TRUE(device.init() && log.playback_step);
    log.position = 3 * ringdevice::fragment_samples * 2; // three fragments played
    log.playback_step();
    EXPECT_EQ(device.written(), 9 * ringdevice::fragment_samples);
    EXPECT_EQ(device.underruns(), 0);
}
