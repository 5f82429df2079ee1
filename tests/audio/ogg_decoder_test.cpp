#include "audio/decoders.h"
#include "system/memory_stream.h"
#include "tests/audio/ogg_encoder.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

float tone(int frame, double hertz, int rate, float amplitude) {
    return amplitude * static_cast<float>(std::sin(2 * M_PI * hertz * frame / rate));
}

// Root mean square of one channel of a 16-bit sample.
double loudness(const TPcmSample& sample, int channel) {
    const int channels = sample.channels();
    double sum = 0;
    for (int f = 0; f < sample.frame_count; ++f) {
        const std::uint8_t* p = sample.samples() + 2 * (f * channels + channel);
        double v = static_cast<std::int16_t>(p[0] | (p[1] << 8));
        sum += v * v;
    }
    return std::sqrt(sum / sample.frame_count);
}

class OggDecoding : public testing::Test {
  protected:
    void SetUp() override { register_sound_decoders(); }
    ScratchFolder folder_;
};

TEST_F(OggDecoding, FramesRateAndChannelsComeOutAsEncoded) {
    struct Case {
        int channels, rate, frames, format;
    };
    for (Case c : {Case{1, 22050, 11025, PCM_MONO16}, Case{2, 44100, 44100 + 17, PCM_STEREO16}}) {
        SCOPED_TRACE(c.channels);
        std::string file = encode_ogg(c.channels, c.rate, c.frames, [&](int channel, int frame) {
            return tone(frame, channel ? 660 : 440, c.rate, 0.5f);
        });
        PcmSampleRef sample = decode_sound(folder_.write("tone.ogg", file));
        ASSERT_TRUE(sample);
        EXPECT_EQ(sample->frame_count, c.frames);
        EXPECT_EQ(sample->hertz, c.rate);
        EXPECT_EQ(sample->sample_format, c.format);
        // A sine of amplitude 0.5 has a root mean square of 0.5 / sqrt 2.
        for (int channel = 0; channel < c.channels; ++channel)
            EXPECT_NEAR(loudness(*sample, channel), 32767 * 0.5 / std::sqrt(2.0), 600);
    }
}

TEST_F(OggDecoding, MoreThanTwoChannelsKeepFrontLeftAndFrontRight) {
    // Three channels in Vorbis order: left, centre, right.
    std::string file = encode_ogg(3, 44100, 8000, [](int channel, int frame) {
        return channel == 2   ? tone(frame, 500, 44100, 0.8f)
               : channel == 0 ? tone(frame, 300, 44100, 0.1f)
                              : 0.0f;
    });
    PcmSampleRef sample = decode_sound(folder_.write("three.ogg", file));
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->sample_format, PCM_STEREO16);
    EXPECT_EQ(sample->frame_count, 8000);
    EXPECT_NEAR(loudness(*sample, 0), 32767 * 0.1 / std::sqrt(2.0), 300);
    EXPECT_NEAR(loudness(*sample, 1), 32767 * 0.8 / std::sqrt(2.0), 1000);
}

TEST_F(OggDecoding, OggDataAfterOtherBytesDecodesFromWhereTheStreamStood) {
    std::string file =
        encode_ogg(1, 8000, 1000, [](int, int frame) { return tone(frame, 200, 8000, 0.3f); });
    std::string bytes = "some header" + file;
    StreamRef stream =
        std::make_shared<TMemoryStream>(bytes.data(), static_cast<int>(bytes.size()), 1, 0);
    stream->seek(11);
    PcmSampleRef sample = decode_sound(stream);
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->frame_count, 1000);
}

TEST_F(OggDecoding, DamagedOrForeignDataGivesNull) {
    std::string file =
        encode_ogg(1, 8000, 4000, [](int, int frame) { return tone(frame, 200, 8000, 0.3f); });
    EXPECT_FALSE(decode_sound(folder_.write("head.ogg", file.substr(0, 60))));
    std::string garbled = file;
    for (std::size_t i = 40; i < garbled.size(); i += 7)
        garbled[i] = static_cast<char>(garbled[i] ^ 0x5a);
    PcmSampleRef broken = decode_sound(folder_.write("garbled.ogg", garbled));
    if (broken) {
        EXPECT_LE(broken->frame_count, 4000); // whatever survives, nothing more
    }
    EXPECT_FALSE(decode_sound(folder_.write("text.ogg", "OggS but nothing else of the kind")));
}

} // namespace
