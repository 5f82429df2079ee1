#include "audio/wav_decoder.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

bool read_tag(TByteStream& stream, const char* expected) {
    char tag[4] = {};
    stream.read_bytes(tag, 4);
    return std::memcmp(tag, expected, 4) == 0;
}

// Moves past count bytes, but never beyond the end of a stream that knows
// its size: a corrupt size field must not send the reader off into nowhere.
void skip(TByteStream& stream, std::uint32_t count) {
    std::int64_t target = static_cast<std::int64_t>(stream.pos()) + count;
    std::int64_t size = stream.size();
    if (size > 0 && target > size) target = size;
    stream.seek(static_cast<int>(std::min<std::int64_t>(target, INT_MAX)));
}

// Reads up to count bytes, in pieces, so that memory grows only with the
// bytes that actually arrive, whatever the chunk header claimed.
std::vector<std::uint8_t> read_up_to(TByteStream& stream, std::uint32_t count) {
    constexpr std::uint32_t piece = 1u << 20;
    std::vector<std::uint8_t> bytes;
    std::int64_t size = stream.size();
    std::int64_t there = size - stream.pos();
    if (there > 0) bytes.reserve(static_cast<std::size_t>(std::min<std::int64_t>(count, there)));
    std::uint32_t left = count;
    while (left > 0 && !stream.eof()) {
        std::uint32_t want = std::min(left, piece);
        std::size_t old = bytes.size();
        bytes.resize(old + want);
        int before = stream.pos();
        stream.read_bytes(bytes.data() + old, static_cast<int>(want));
        int got = stream.pos() - before;
        if (got <= 0) {
            bytes.resize(old);
            break;
        }
        bytes.resize(old + static_cast<std::size_t>(got));
        left -= static_cast<std::uint32_t>(got);
        if (static_cast<std::uint32_t>(got) < want) break;
    }
    return bytes;
}

int format_for(int channels, int bits) {
    if (bits == 8 && channels == 1) return PCM_MONO8;
    if (bits == 8 && channels == 2) return PCM_STEREO8;
    if (bits == 16 && channels == 1) return PCM_MONO16;
    if (bits == 16 && channels == 2) return PCM_STEREO16;
    return 0;
}

} // namespace

PcmSampleRef TWavDecoder::decode(const StreamRef& stream) {
    TByteStream& in = *stream;
    if (!read_tag(in, "RIFF")) return nullptr;
    in.read_int(); // the RIFF size says nothing the chunks do not
    if (!read_tag(in, "WAVE") || !read_tag(in, "fmt ")) return nullptr;
    auto fmt_length = static_cast<std::uint32_t>(in.read_int());
    int format_tag = in.read_short();
    int channels = in.read_short();
    std::int32_t hertz = in.read_int();
    in.read_int();   // bytes per second
    in.read_short(); // block align
    int bits = in.read_short();
    if (format_tag != 1) return nullptr;
    int format = format_for(channels, bits);
    // A rate of zero or below cannot be played back at any pitch.
    if (format == 0 || hertz <= 0) return nullptr;
    if (fmt_length > 16) skip(in, fmt_length - 16);

    while (!in.eof()) {
        int before = in.pos();
        char tag[4] = {};
        in.read_bytes(tag, 4);
        auto size = static_cast<std::uint32_t>(in.read_int());
        if (in.pos() <= before) break; // a stream that stopped moving
        if (std::memcmp(tag, "data", 4) == 0)
            return std::make_shared<TPcmSample>(read_up_to(in, size), hertz, format);
        skip(in, size);
    }
    return nullptr;
}
