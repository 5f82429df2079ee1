// The whole way out, through SDL's disk driver: what it writes is exactly
// what the device played, as raw 16-bit little-endian stereo.
#include "audio/driver.h"
#include "audio/mixing_driver.h"
#include "audio/sound.h"
#include "audio/startup.h"
#include "system/startup.h"
#include "tests/audio/wav_bytes.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

std::vector<std::int16_t> samples_in(const std::string& bytes) {
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                               (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
    return samples;
}

TEST(DiskOutput, APlayedClipComesOutSampleForSample) {
    ScratchFolder folder;
    std::string raw = folder.file("out.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    // Slower than real time, so the 5 ms service always keeps ahead even on
    // a busy machine; no delay at all would play the ring faster than any
    // service step could fill it.
    setenv("SDL_DISKAUDIODELAY", "20", 1);
    audio_startup();
    ASSERT_TRUE(dynamic_cast<TMixingAudioDriver*>(audio_driver().get()));

    const int frames = 2205;
    std::vector<int> clip;
    for (int i = 0; i < frames; ++i) {
        clip.push_back(1 + (i * 37) % 30000);
        clip.push_back(-1 - (i * 53) % 30000);
    }
    WavFormat format;
    format.channels = 2;
    SoundRef sound = load_sound(folder.write("clip.wav", wav_file(format, pcm16(clip))), 0);
    ASSERT_TRUE(sound);
    ASSERT_TRUE(play_sound(sound));

    // Wait until the clip and a stretch of silence after it have been written.
    std::vector<std::int16_t> out;
    auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        out = samples_in(ScratchFolder::read(raw));
        auto first = std::find_if(out.begin(), out.end(), [](std::int16_t v) { return v != 0; });
        if (first != out.end() && out.end() - first > 2 * frames + 4096) break;
        ASSERT_LT(std::chrono::steady_clock::now(), give_up) << out.size() << " samples so far";
    }
    run_exit_hooks(); // closes the device

    auto first = std::find_if(out.begin(), out.end(), [](std::int16_t v) { return v != 0; });
    std::size_t at = static_cast<std::size_t>(first - out.begin());
    EXPECT_EQ(at % 2, 0u) << "the clip must start on a left sample";
    for (int i = 0; i < 2 * frames; ++i) ASSERT_EQ(out[at + i], clip[i]) << i;
    for (std::size_t i = at + 2 * frames; i < out.size(); ++i) ASSERT_EQ(out[i], 0) << i;
}

} // namespace
