#include "tests/audio/mixer_fixture.h"

#include "audio/voice.h"
#include "system/messages.h"

namespace {

using Mixing = MixerFixture;

TEST_F(Mixing, AFullScaleSampleAtVolumeOnePassesUnchangedToBothSides) {
    play_sound(clip16({32767, -32768, 12345, -1, 1, 0, -7}));
    auto out = block();
    const int expected[] = {32767, -32768, 12345, -1, 1, 0, -7};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(left(out, i), expected[i]) << i;
        EXPECT_EQ(right(out, i), expected[i]) << i;
    }
    for (int i = 7; i < mixer::block_frames; ++i) ASSERT_EQ(left(out, i), 0) << i;
}

TEST_F(Mixing, SumsClipAtTheLimitsAndNotBefore) {
    play_sound(clip16({30000, 16000, 0, 16000}));
    play_sound(clip16({30000, 16767, 0, 16766}));
    play_sound(clip16({-32000, 0, -16000, 0}));
    play_sound(clip16({16000, 0, -16768, 0}));
    play_sound(clip16({0, 0, -16000, 0}));
    auto out = block();
    EXPECT_EQ(left(out, 0), 32767); // 44000
    EXPECT_EQ(right(out, 0), 32767);
    EXPECT_EQ(left(out, 1), 32767);  // exactly the limit
    EXPECT_EQ(left(out, 2), -32768); // -48768
    EXPECT_EQ(right(out, 2), -32768);
    EXPECT_EQ(left(out, 3), 32766);
    EXPECT_EQ(left(out, 4), 0);
    play_sound(clip16({-16000}));
    play_sound(clip16({-16768}));
    EXPECT_EQ(left(block(), 0), -32768); // exactly the limit
}

TEST_F(Mixing, AHalfRateMonoClipStepsHalfAFrameAndFeedsBothSides) {
    play_sound(clip16({0, 1000, 2000, 3000}, 1, 22050));
    auto out = block();
    // The last frame blends with the guard frame, a copy of itself.
    const int expected[] = {0, 500, 1000, 1500, 2000, 2500, 3000, 3000, 0};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(left(out, i), expected[i]) << i;
        EXPECT_EQ(right(out, i), expected[i]) << i;
    }
}

TEST_F(Mixing, OddRatesInterpolateOnTheTopSixteenFractionBits) {
    // 11025 Hz: a quarter frame per output frame.
    play_sound(clip16({0, 4000}, 1, 11025));
    auto quarter = block();
    EXPECT_EQ(left(quarter, 1), 1000);
    EXPECT_EQ(left(quarter, 3), 3000);
    // 8000 Hz: step 65536 x 8000 / 44100 = 11888 (0x2E70) in 16.16.
    play_sound(clip16({0, 32767, -32768}, 1, 8000));
    auto odd = block();
    // Frame 3: fraction 3 x 11888 = 35664; 32767 x 35664 / 65536 = 17831.45, floored.
    EXPECT_EQ(left(odd, 3), 17831);
    // Frame 6: position 71328 = frame 1 + fraction 5792;
    // 32767 + floor(-65535 x 5792 / 65536) = 32767 - 5792.
    EXPECT_EQ(left(odd, 6), 26975);
}

TEST_F(Mixing, EightBitDataIsCentredAndScaled) {
    play_sound(clip8({255, 0, 128, 129}, 1));
    auto mono = block();
    const int expected[] = {32512, -32768, 0, 256};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(left(mono, i), expected[i]) << i;
        EXPECT_EQ(right(mono, i), expected[i]) << i;
    }
    play_sound(clip8({0, 255, 200, 56}, 2));
    auto stereo = block();
    EXPECT_EQ(left(stereo, 0), -32768);
    EXPECT_EQ(right(stereo, 0), 32512);
    EXPECT_EQ(left(stereo, 1), 72 * 256);
    EXPECT_EQ(right(stereo, 1), -72 * 256);
}

TEST_F(Mixing, StereoSourcesKeepTheirSides) {
    play_sound(clip16({1000, -2000, 3000, -4000}, 2));
    auto out = block();
    EXPECT_EQ(left(out, 0), 1000);
    EXPECT_EQ(right(out, 0), -2000);
    EXPECT_EQ(left(out, 1), 3000);
    EXPECT_EQ(right(out, 1), -4000);
    EXPECT_EQ(left(out, 2), 0);
}

TEST_F(Mixing, VolumeChangesRampLinearlyAcrossOneBlock) {
    ChannelRef channel = play_sound(constant(32767, 2000));
    set_channel_volume(channel, 0.0f);
    auto fading = block();
    // Volume at frame i is 4096 - 8i; each side gets (volume x 32767 / 256) >> 4.
    EXPECT_EQ(left(fading, 0), 32767);
    EXPECT_EQ(left(fading, 1), 32703);
    EXPECT_EQ(left(fading, 256), 16383);
    EXPECT_EQ(right(fading, 511), 63);
    for (int i = 1; i < mixer::block_frames; ++i)
        ASSERT_LT(left(fading, i), left(fading, i - 1)) << i;
    EXPECT_TRUE(silent(block()));
    EXPECT_EQ(channel_playing(channel), 1); // silent, but still going

    set_channel_volume(channel, 0.5f);
    auto rising = block();
    EXPECT_EQ(left(rising, 0), 0);
    EXPECT_EQ(left(rising, 256), (1024 * 32767 / 256) >> 4);
    EXPECT_EQ(left(block(), 0), (2048 * 32767 / 256) >> 4);
}

TEST_F(Mixing, PanAndDepthShapeTheTwoGains) {
    ChannelRef right_side = play_sound(constant(16000, 4));
    set_channel_pan(right_side, 0.5f);
    auto out = block();
    EXPECT_EQ(left(out, 0), 8000); // gain 4096 x (4096 - 2048) / 4096
    EXPECT_EQ(right(out, 0), 16000);

    ChannelRef left_side = play_sound(constant(16000, 4));
    set_channel_pan(left_side, -0.25f);
    out = block();
    EXPECT_EQ(left(out, 0), 16000);
    EXPECT_EQ(right(out, 0), 12000); // gain 4096 x (4096 - 1024) / 4096

    ChannelRef inverted = play_sound(clip16({16000, 6000, 16000, 6000}, 2));
    set_channel_depth(inverted, -1.0f);
    set_channel_pan(inverted, 0.75f);
    out = block();
    EXPECT_EQ(left(out, 0), 4000);   // gain 1024
    EXPECT_EQ(right(out, 0), -6000); // full gain, inverted
    EXPECT_EQ(left(out, 1), 4000);
}

TEST_F(Mixing, ALoopingClipJoinsItsEndToItsStart) {
    play_sound(clip16({100, 200, 300, 400}, 1, 22050, 1));
    auto out = block();
    const int expected[] = {100, 150, 200, 250, 300, 350, 400, 250, 100, 150, 200};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(left(out, i), expected[i]) << i;

    // A loop longer than a block runs on across the block boundary.
    std::vector<int> ramp;
    for (int i = 0; i < 300; ++i) ramp.push_back(i * 10);
    play_sound(clip16(ramp, 1, 44100, 1));
    std::vector<int> heard;
    for (int b = 0; b < 3; ++b) {
        auto more = block();
        for (int i = 0; i < mixer::block_frames; ++i) heard.push_back(left(more, i));
    }
    // The first loop's voice adds its own repeating 8-frame pattern.
    for (std::size_t k = 0; k < heard.size(); ++k) {
        int loop_voice = expected[(k + mixer::block_frames) % 8];
        ASSERT_EQ(heard[k], static_cast<int>(k % 300) * 10 + loop_voice) << k;
    }
}

TEST_F(Mixing, VoicesAskedForApartKeepTheirSpacing) {
    now_ms() = 5000;
    play_sound(clip16({16384}));
    now_ms() = 5003;
    play_sound(clip16({-8192}));
    now_ms() = 5040; // 40 ms ahead of the block: 1764 frames in, in the fourth block
    play_sound(clip16({4096}));
    std::vector<std::int16_t> out(mixer::block_samples);
    driver_->engine()->mix(out.data(), 5020);
    EXPECT_EQ(left(out, 0), 16384);
    EXPECT_EQ(left(out, 132), -8192); // 3 ms at 44100 Hz
    int heard = 0;
    for (std::int16_t v : out) heard += v != 0;
    EXPECT_EQ(heard, 4);
    for (int b = 1; b < 3; ++b) {
        driver_->engine()->mix(out.data(), 5020 + b * 12);
        EXPECT_TRUE(silent(out)) << b;
    }
    driver_->engine()->mix(out.data(), 5056);
    EXPECT_EQ(left(out, 1764 - 3 * mixer::block_frames), 4096);

    // Asked for long ago: starts at once.
    now_ms() = 100;
    play_sound(clip16({1234}));
    driver_->engine()->mix(out.data(), 6000);
    EXPECT_EQ(left(out, 0), 1234);
}

TEST_F(Mixing, AStoppedChannelFallsSilentNextBlockAndIsRecycledTheBlockAfter) {
    ChannelRef channel = play_sound(constant(1000, 100, 1));
    EXPECT_EQ(left(block(), 0), 1000);
    stop_channel(channel);
    EXPECT_EQ(channel_playing(channel), 0);
    EXPECT_TRUE(silent(block()));
    driver_->collect_finished();
    EXPECT_EQ(driver_->handles_in_use(), 1); // marked free, not yet handed back
    EXPECT_EQ(driver_->engine()->voice_count(), 1);
    block();
    EXPECT_EQ(driver_->engine()->voice_count(), 0);
    driver_->collect_finished();
    EXPECT_EQ(driver_->handles_in_use(), 0);

    // The main thread's next pump takes a stopped voice back and lets its
    // data go, with no other sound played after it.
    auto data = std::make_shared<const sound_data>(TPcmSample(100, 44100, PCM_MONO16), 1);
    std::weak_ptr<const sound_data> gone = data;
    sound* voice = driver_->voice(driver_->start(data, false, false));
    ASSERT_TRUE(voice);
    data.reset();
    block();
    voice->stop();
    block();
    block();
    pump_messages();
    EXPECT_TRUE(gone.expired());
}

TEST_F(Mixing, StaleChannelsDoNothing) {
    SoundRef tone = constant(1000, 2000);
    ChannelRef old = play_sound(tone);
    stop_channel(old);
    block();
    block();
    ChannelRef fresh = play_sound(tone); // takes the slot the old one had
    ASSERT_TRUE(fresh);
    set_channel_volume(old, 0.0f);
    stop_channel(old);
    set_channel_paused(old, 1);
    EXPECT_EQ(channel_playing(old), 0);
    EXPECT_EQ(channel_playing(fresh), 1);
    auto out = block();
    EXPECT_EQ(left(out, 0), 1000);
    EXPECT_EQ(left(out, 511), 1000);
}

TEST_F(Mixing, OneClipPlayedTwiceGivesTwoIndependentChannels) {
    SoundRef tone = constant(1000, 2000);
    ChannelRef a = play_sound(tone);
    ChannelRef b = play_sound(tone);
    ASSERT_TRUE(a && b);
    EXPECT_NE(a, b);
    EXPECT_EQ(left(block(), 0), 2000);
    stop_channel(a);
    EXPECT_EQ(left(block(), 0), 1000);
    EXPECT_EQ(channel_playing(b), 1);
}

TEST_F(Mixing, OneShotsFreeThemselvesAtTheEnd) {
    ChannelRef channel = play_sound(constant(500, 600));
    block();
    EXPECT_EQ(channel_playing(channel), 1);
    auto out = block();
    EXPECT_EQ(left(out, 600 - mixer::block_frames - 1), 500);
    EXPECT_EQ(left(out, 600 - mixer::block_frames), 0);
    EXPECT_EQ(channel_playing(channel), 0);
    block();
    driver_->collect_finished();
    EXPECT_EQ(driver_->handles_in_use(), 0);
}

TEST_F(Mixing, AVoiceAtVolumeZeroAdvancesWithoutBeingMixed) {
    ChannelRef channel = cue_sound(constant(30000, 700));
    set_channel_volume(channel, 0.0f);
    set_channel_paused(channel, 0);
    EXPECT_TRUE(silent(block()));
    EXPECT_TRUE(silent(block()));
    EXPECT_EQ(channel_playing(channel), 0); // 700 frames went by
}

TEST_F(Mixing, CuedSoundsWaitAndSettingsMadeWhilePausedApplyAtOnce) {
    std::vector<int> ramp;
    for (int i = 0; i < 2000; ++i) ramp.push_back(i);
    ChannelRef channel = cue_sound(clip16(ramp));
    set_channel_rate(channel, 2.0f);
    set_channel_volume(channel, 0.5f);
    EXPECT_TRUE(silent(block()));
    EXPECT_EQ(channel_playing(channel), 1);
    set_channel_paused(channel, 0);
    auto out = block();
    // Rate 2 and half volume from the first frame: no slide.
    EXPECT_EQ(left(out, 0), 0);
    EXPECT_EQ(left(out, 1), 1); // value 2 at half volume
    EXPECT_EQ(left(out, 100), 100);
    set_channel_paused(channel, 1);
    EXPECT_TRUE(silent(block()));
    set_channel_paused(channel, 0);
    EXPECT_EQ(left(block(), 0), 512); // resumes where it paused: frame 1024
}

TEST_F(Mixing, RateChangesSlideAcrossOneBlock) {
    std::vector<int> ramp;
    for (int i = 0; i < 4000; ++i) ramp.push_back(i);
    ChannelRef channel = play_sound(clip16(ramp));
    set_channel_rate(channel, 2.0f);
    auto out = block();
    // The step at frame i is 1 + i/512 frames: the position after frame i is
    // the sum of those steps, computed in 16.16.
    std::uint64_t position = 0;
    for (int i = 0; i < mixer::block_frames; ++i) {
        ASSERT_EQ(left(out, i), static_cast<int>(position >> 32)) << i;
        std::int32_t rate = 0x10000 + ((0x10000 * i) >> 9);
        position += static_cast<std::uint64_t>(static_cast<std::int64_t>(rate) * 44100 / 44100)
                    << 16;
    }
    auto steady = block();
    EXPECT_EQ(left(steady, 1) - left(steady, 0), 2);
}

TEST_F(Mixing, OutOfRangeSettingsAreHeldToTheirFixedPointRange) {
    ChannelRef channel = cue_sound(constant(100, 2000));
    set_channel_volume(channel, 1e9f);
    set_channel_rate(channel, -3.0f); // holds the voice still
    set_channel_pan(channel, std::numeric_limits<float>::quiet_NaN());
    set_channel_paused(channel, 0);
    auto out = block();
    EXPECT_EQ(left(out, 0), 32767 * 100 / 256 >> 4);
    EXPECT_EQ(left(out, 511), left(out, 0));
}

TEST_F(Mixing, AnEmptyLoopEndsInsteadOfSpinning) {
    auto empty = std::make_shared<TPcmSample>(0, 44100, PCM_MONO16);
    SoundRef loop = driver_->create_sound(empty, 1, "");
    ChannelRef channel = play_sound(loop);
    EXPECT_TRUE(silent(block()));
    EXPECT_EQ(channel_playing(channel), 0);
}

TEST_F(Mixing, FourThousandNinetyFiveVoicesUseEveryHandle) {
    SoundRef tick = constant(1, 2);
    std::vector<ChannelRef> channels;
    for (int i = 0; i < 4095; ++i) {
        channels.push_back(play_sound(tick));
        ASSERT_TRUE(channels.back()) << i;
    }
    EXPECT_FALSE(play_sound(tick)); // untracked, but still plays
    EXPECT_FALSE(play_sound(tick)); // the start ring is full: this one cannot
    auto out = block();
    EXPECT_EQ(driver_->engine()->voice_count(), 4096);
    EXPECT_EQ(left(out, 0), 4096); // 4096 voices adding 16 each, over 16
    block();
    block();
    driver_->collect_finished();
    EXPECT_EQ(driver_->handles_in_use(), 0);
    EXPECT_TRUE(play_sound(tick));
}

TEST_F(Mixing, AChannelPassedBackInPlaysTheNewSoundAndStopsTheOld) {
    SoundRef low = constant(100, 5000), high = constant(2000, 5000);
    ChannelRef channel = play_sound(low);
    EXPECT_EQ(left(block(), 0), 100);
    EXPECT_EQ(play_sound(high, channel), channel);
    EXPECT_EQ(left(block(), 0), 2000);
    EXPECT_EQ(channel_playing(channel), 1);
}

TEST_F(Mixing, AnOwnChannelHoldsItsEndedVoiceUntilStoppedOrDropped) {
    SoundRef blip = constant(300, 10);
    ChannelRef first = play_sound(blip);
    ChannelRef held = play_sound(blip, first); // played on a given channel: not temporary
    block();
    block();
    EXPECT_EQ(channel_playing(held), 0);
    driver_->collect_finished();
    EXPECT_EQ(driver_->handles_in_use(), 1);
    held.reset();
    first.reset();
    block();
    block();
    driver_->collect_finished();
    EXPECT_EQ(driver_->handles_in_use(), 0);
}

} // namespace
