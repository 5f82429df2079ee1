#include "audio/decoders.h"
#include "tests/audio/wav_bytes.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class WavDecoding : public testing::Test {
  protected:
    void SetUp() override { register_sound_decoders(); }

    PcmSampleRef decode(const std::string& bytes) {
        return decode_sound(folder_.write("sound.wav", bytes));
    }

    static std::string bytes_of(const TPcmSample& sample) {
        return std::string(reinterpret_cast<const char*>(sample.samples()), sample.byte_count());
    }

    ScratchFolder folder_;
};

TEST_F(WavDecoding, PcmFormatsMapToTheirSampleFormats) {
    struct Case {
        int channels, bits, format, frames;
        std::string data;
    };
    const Case cases[] = {
        {1, 8, PCM_MONO8, 3, pcm8({0, 128, 255})},
        {2, 8, PCM_STEREO8, 2, pcm8({1, 2, 3, 4})},
        {1, 16, PCM_MONO16, 2, pcm16({-32768, 32767})},
        {2, 16, PCM_STEREO16, 1, pcm16({-2, 7})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        WavFormat f;
        f.channels = c.channels;
        f.bits = c.bits;
        f.hertz = 22050;
        PcmSampleRef sample = decode(wav_file(f, c.data));
        ASSERT_TRUE(sample);
        EXPECT_EQ(sample->sample_format, c.format);
        EXPECT_EQ(sample->frame_count, c.frames);
        EXPECT_EQ(sample->hertz, 22050);
        EXPECT_EQ(bytes_of(*sample), c.data);
    }
}

TEST_F(WavDecoding, AnythingButEightOrSixteenBitPcmInOneOrTwoChannelsIsRefused) {
    WavFormat float_data;
    float_data.tag = 3;
    float_data.bits = 32;
    WavFormat extensible;
    extensible.tag = 0xfffe;
    WavFormat deep;
    deep.bits = 24;
    WavFormat surround;
    surround.channels = 6;
    WavFormat no_rate;
    no_rate.hertz = 0;
    WavFormat negative_rate;
    negative_rate.hertz = -44100;
    for (const WavFormat& f : {float_data, extensible, deep, surround, no_rate, negative_rate})
        EXPECT_FALSE(decode(wav_file(f, pcm16({1, 2, 3, 4, 5, 6}))));
}

TEST_F(WavDecoding, ExtraFormatBytesAndUnknownChunksAreSkipped) {
    WavFormat f;
    f.extra = std::string("\x02\x00\xAB\xCD", 4); // a cbSize field and two bytes it announces
    std::string data = pcm16({100, -100, 5});
    std::string file = riff(fmt_chunk(f) + chunk("LIST", "INFOsome text") +
                            chunk("fact", std::string(4, '\x03')) + chunk("data", data));
    PcmSampleRef sample = decode(file);
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->frame_count, 3);
    EXPECT_EQ(bytes_of(*sample), data);
}

TEST_F(WavDecoding, FilesThatAreNotWavOrEndEarlyGiveNull) {
    WavFormat f;
    std::string good = wav_file(f, pcm16({1, 2}));
    EXPECT_FALSE(decode(""));
    EXPECT_FALSE(decode("RIFX" + good.substr(4)));
    EXPECT_FALSE(decode(good.substr(0, 30)));        // cut inside the format
    EXPECT_FALSE(decode(riff(fmt_chunk(f))));        // no data chunk at all
    EXPECT_FALSE(decode(riff(fmt_chunk(f) + "da"))); // a tag cut short
    EXPECT_FALSE(decode("plain text, no header"));
    EXPECT_FALSE(decode_sound(folder_.file("missing.wav")));
}

TEST_F(WavDecoding, ADataChunkClaimingMoreThanTheFileHoldsYieldsWhatIsThere) {
    WavFormat f;
    f.channels = 2;
    std::string data = pcm16({1, 2, 3, 4, 5}); // two whole frames and half of a third
    for (std::int64_t claimed :
         {std::int64_t{1000}, std::int64_t{0x7fffffff}, std::int64_t{0xffffffff}}) {
        SCOPED_TRACE(claimed);
        PcmSampleRef sample = decode(riff(fmt_chunk(f) + chunk("data", data, claimed)));
        ASSERT_TRUE(sample);
        EXPECT_EQ(sample->frame_count, 2);
        EXPECT_EQ(bytes_of(*sample), data.substr(0, 8));
    }
}

TEST_F(WavDecoding, ChunkSizesThatOverrunOrWrapEndTheSearch) {
    WavFormat f;
    std::string data = chunk("data", pcm16({9}));
    // The unknown chunk claims to run past the end, so the data is never reached.
    EXPECT_FALSE(decode(riff(fmt_chunk(f) + chunk("junk", "abc", 0xfffffff0) + data)));
    // A format length that wraps when 16 is taken off must not loop or read wild.
    std::string fmt = fmt_chunk(f);
    fmt.replace(4, 4, std::string("\x0f\x00\x00\x00", 4)); // fmt length 15, body still 16 bytes
    PcmSampleRef sample = decode(riff(fmt + data));
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->frame_count, 1);
    // An empty chunk after an empty chunk still moves on.
    EXPECT_TRUE(decode(riff(fmt_chunk(f) + chunk("zero", "") + chunk("none", "") + data)));
}

} // namespace
