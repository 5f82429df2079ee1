// A mixing driver with no device: tests start voices through the ordinary
// sound calls and mix blocks by hand, on a clock they set themselves.
#pragma once

#include "audio/mixing_driver.h"
#include "audio/pcm_sample.h"
#include "audio/sound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

class MixerFixture : public testing::Test {
  protected:
    void SetUp() override {
        now_ms() = 1000;
        driver_ = std::make_shared<TMixingAudioDriver>();
        driver_->engine()->set_clock([] { return now_ms(); });
    }

    static std::int32_t& now_ms() {
        static std::int32_t now = 0;
        return now;
    }

    // A clip of 16-bit values, mono or (for channels 2) interleaved stereo.
    SoundRef clip16(const std::vector<int>& values, int channels = 1, int hertz = 44100,
                    int loop = 0) {
        int frames = static_cast<int>(values.size()) / channels;
        auto sample =
            std::make_shared<TPcmSample>(frames, hertz, channels == 1 ? PCM_MONO16 : PCM_STEREO16);
        for (std::size_t i = 0; i < values.size(); ++i) {
            sample->samples()[2 * i] = static_cast<std::uint8_t>(values[i] & 0xff);
            sample->samples()[2 * i + 1] = static_cast<std::uint8_t>((values[i] >> 8) & 0xff);
        }
        return driver_->create_sound(sample, loop, "");
    }

    SoundRef clip8(const std::vector<int>& values, int channels, int hertz = 44100) {
        int frames = static_cast<int>(values.size()) / channels;
        auto sample =
            std::make_shared<TPcmSample>(frames, hertz, channels == 1 ? PCM_MONO8 : PCM_STEREO8);
        for (std::size_t i = 0; i < values.size(); ++i)
            sample->samples()[i] = static_cast<std::uint8_t>(values[i]);
        return driver_->create_sound(sample, 0, "");
    }

    // A clip of n frames all of one value.
    SoundRef constant(int value, int frames, int loop = 0) {
        return clip16(std::vector<int>(static_cast<std::size_t>(frames), value), 1, 44100, loop);
    }

    // Mixes one block, 20 ms after now(): voices asked for at now() start
    // at its first frame.
    std::vector<std::int16_t> block() {
        std::vector<std::int16_t> out(mixer::block_samples);
        driver_->engine()->mix(out.data(), now_ms() + mixer::start_lead_ms);
        return out;
    }

    static int left(const std::vector<std::int16_t>& out, int frame) { return out[2 * frame]; }
    static int right(const std::vector<std::int16_t>& out, int frame) { return out[2 * frame + 1]; }
    static bool silent(const std::vector<std::int16_t>& out) {
        for (std::int16_t v : out)
            if (v != 0) return false;
        return true;
    }

    std::shared_ptr<TMixingAudioDriver> driver_;
};
