#include "audio/decoders.h"
#include "audio/driver.h"
#include "audio/mixing_driver.h"
#include "audio/pcm_sample.h"
#include "audio/sound.h"
#include "tests/audio/ogg_encoder.h"
#include "tests/audio/wav_bytes.h"
#include "tests/support/peak_memory.h"
#include "tests/support/recording_audio_driver.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

// Keeps the samples it is handed, to see what load_sound passes on.
class CapturingDriver : public TAudioDriver {
  public:
    SoundRef create_sound(const PcmSampleRef& sample, int, const std::string&) override {
        samples.push_back(sample);
        return std::make_shared<TSoundClip>();
    }
    std::vector<PcmSampleRef> samples;
};

class SoundApi : public testing::Test {
  protected:
    void SetUp() override { register_sound_decoders(); }
    void TearDown() override { set_audio_driver(nullptr); }

    std::string wav(const std::string& name) {
        return folder_.write(name, wav_file(WavFormat{}, pcm16({1, 2, 3})));
    }

    ScratchFolder folder_;
};

TEST_F(SoundApi, TheRecordingDriverSeesLoadsPlaysAndChannelControlsInOrder) {
    auto audio = RecordingAudioDriver::install();
    std::string click = wav("click.wav"), music = wav("music.wav");
    SoundRef click_sound = load_sound(click, 0);
    SoundRef music_sound = load_sound(music, 1);
    ASSERT_TRUE(click_sound && music_sound);

    ChannelRef music_channel = play_sound(music_sound);
    play_sound(click_sound);
    set_channel_volume(music_channel, 0.5f);
    EXPECT_TRUE(channel_playing(music_channel));
    stop_channel(music_channel);
    EXPECT_FALSE(channel_playing(music_channel));

    EXPECT_EQ(audio->played(), (std::vector<std::string>{music, click}));
    const auto& calls = audio->calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].kind, AudioCall::Load);
    EXPECT_EQ(calls[1].value, 1.0f); // music loads looping
    EXPECT_EQ(calls[2].channel, 1);
    EXPECT_EQ(calls[3].channel, 2);
    EXPECT_EQ(calls[4].kind, AudioCall::Volume);
    EXPECT_EQ(calls[4].channel, 1);
    EXPECT_EQ(calls[4].value, 0.5f);
    EXPECT_EQ(calls[5].kind, AudioCall::Stop);
    EXPECT_EQ(calls[5].sound, music);
}

TEST_F(SoundApi, MissingSoundsAreNullAndEverythingAcceptsNull) {
    auto audio = RecordingAudioDriver::install();
    SoundRef missing = load_sound(folder_.file("gone.wav"), 0);
    EXPECT_FALSE(missing);
    EXPECT_FALSE(play_sound(missing));
    EXPECT_FALSE(cue_sound(missing));
    stop_channel(nullptr);
    set_channel_volume(nullptr, 1);
    set_channel_paused(nullptr, 1);
    EXPECT_EQ(channel_playing(nullptr), 0);
    EXPECT_TRUE(audio->calls().empty());
}

TEST_F(SoundApi, SamplesInMemoryAreCheckedAndBigEndianDataIsTurnedAround) {
    auto capture = std::make_shared<CapturingDriver>();
    set_audio_driver(capture);

    auto big = std::make_shared<TPcmSample>(2, 8000, PCM_STEREO16_BE);
    const std::uint8_t bytes[] = {0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc, 0xde, 0xf0};
    std::copy(std::begin(bytes), std::end(bytes), big->samples());
    ASSERT_TRUE(load_sound(big, 0));
    ASSERT_EQ(capture->samples.size(), 1u);
    const TPcmSample& passed = *capture->samples[0];
    EXPECT_EQ(passed.sample_format, PCM_STEREO16);
    EXPECT_EQ(passed.frame_count, 2);
    EXPECT_EQ(passed.hertz, 8000);
    const std::uint8_t swapped[] = {0x34, 0x12, 0x78, 0x56, 0xbc, 0x9a, 0xf0, 0xde};
    EXPECT_TRUE(std::equal(std::begin(swapped), std::end(swapped), passed.samples()));
    EXPECT_EQ(big->sample_format, PCM_STEREO16_BE); // the caller's sample is untouched
    EXPECT_EQ(big->samples()[0], 0x12);

    auto mono_big = std::make_shared<TPcmSample>(1, 8000, PCM_MONO16_BE);
    ASSERT_TRUE(load_sound(mono_big, 0));
    EXPECT_EQ(capture->samples.back()->sample_format, PCM_MONO16);

    EXPECT_FALSE(load_sound(PcmSampleRef(), 0));
    EXPECT_FALSE(load_sound(std::make_shared<TPcmSample>(4, 8000, 7), 0));
    EXPECT_FALSE(load_sound(std::make_shared<TPcmSample>(4, 0, PCM_MONO8), 0));
    EXPECT_EQ(capture->samples.size(), 2u);
}

TEST_F(SoundApi, TheSilentDriverAcceptsEverythingAndPlaysNothing) {
    set_audio_driver(std::make_shared<TSilentAudioDriver>());
    SoundRef sound = load_sound(wav("quiet.wav"), 1);
    ASSERT_TRUE(sound);
    ChannelRef channel = play_sound(sound);
    ASSERT_TRUE(channel);
    set_channel_volume(channel, 0.25f);
    set_channel_rate(channel, 2);
    EXPECT_EQ(channel_playing(channel), 0);
    EXPECT_EQ(play_sound(sound, channel), channel); // a given channel is the one used
}

TEST_F(SoundApi, ADecodedTrackIsKeptOnceNotCopied) {
    // Twelve seconds of stereo at 44100 Hz: 2 MB of frames once decoded.
    const int frames = 44100 * 12;
    std::string file =
        folder_.write("track.ogg", encode_ogg(2, 44100, frames, [](int c, int f) {
                          return 0.3f * static_cast<float>((f * (c + 3)) % 200) / 200.0f;
                      }));
    set_audio_driver(std::make_shared<TMixingAudioDriver>());
    restart_peak_memory();
    const long before = peak_resident_kb();
    SoundRef track = load_sound(file, 1);
    ASSERT_TRUE(track);
    EXPECT_LT(peak_resident_kb() - before, frames * 4 * 3 / 2 / 1024)
        << "kB at the peak of the load";
}

} // namespace
