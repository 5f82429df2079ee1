#include "audio/decoders.h"
#include "system/memory_stream.h"
#include "system/runtime_error.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

// Takes only data that starts with its own four-letter mark, and notes the
// first bytes it saw, to show every decoder starts from the same place.
class MarkedDecoder : public TSoundDecoder {
  public:
    MarkedDecoder(std::string mark, int hertz) : mark_(std::move(mark)), hertz_(hertz) {}
    PcmSampleRef decode(const StreamRef& stream) override {
        std::string head(4, '\0');
        stream->read_bytes(head.data(), 4);
        seen.push_back(head);
        if (head == "BOOM") raise_runtime_error("broken beyond repair");
        if (head == "CUTS") stream->read_bytes(head.data(), 4); // past the end: a stream error
        if (head != mark_) return nullptr;
        return std::make_shared<TPcmSample>(1, hertz_, PCM_MONO8);
    }
    std::vector<std::string> seen;

  private:
    std::string mark_;
    int hertz_;
};

class NoPositions : public TByteStream {}; // every stream operation at its default

TEST(DecoderList, NewestDecoderFirstEachFromTheSamePlaceStreamErrorsPassedOver) {
    register_sound_decoders();
    auto older = std::make_shared<MarkedDecoder>("MARK", 1000);
    auto newer = std::make_shared<MarkedDecoder>("MARK", 2000);
    auto picky = std::make_shared<MarkedDecoder>("NONE", 3000);
    register_sound_decoder(older);
    register_sound_decoder(newer);
    register_sound_decoder(picky);

    std::string bytes = "xxMARK";
    StreamRef stream = std::make_shared<TMemoryStream>(bytes.data(), 6, 1, 0);
    stream->seek(2);
    PcmSampleRef sample = decode_sound(stream);
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->hertz, 2000); // the newer of the two that take it
    EXPECT_EQ(picky->seen, std::vector<std::string>{"MARK"});
    EXPECT_EQ(newer->seen, std::vector<std::string>{"MARK"});
    EXPECT_TRUE(older->seen.empty());

    // "CUTS" makes every marked decoder read past the end: all are passed
    // over and the built-in decoders do not take it either.
    std::string cut = "CUTS";
    StreamRef short_stream = std::make_shared<TMemoryStream>(cut.data(), 4, 1, 0);
    EXPECT_FALSE(decode_sound(short_stream));
    EXPECT_EQ(older->seen.back(), "CUTS");

    // Any other failure is not "not mine": it reaches the caller.
    ScratchFolder folder;
    EXPECT_THROW(decode_sound(folder.write("bad", "BOOM and more")), TRuntimeError);
}

TEST(DecoderList, AStreamWithoutPositionsCannotBeDecoded) {
    try {
        decode_sound(std::make_shared<NoPositions>());
        FAIL() << "no error";
    } catch (const TRuntimeError& error) {
        EXPECT_STREQ(error.what(), "Stream is not seekable");
    }
}

} // namespace
