#include "audio/ogg_decoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

namespace {

// What the library's callbacks work on. Offsets are relative to where the
// Ogg data starts, which need not be the start of the stream.
struct Source {
    TByteStream* stream;
    std::int64_t base;
    bool failed = false;
};

// The callbacks run inside C code: no exception may pass through them.
size_t read_callback(void* buffer, size_t size, size_t count, void* user) {
    auto* source = static_cast<Source*>(user);
    std::size_t want = std::min<std::size_t>(size * count, INT_MAX);
    if (want == 0) return 0;
    try {
        if (source->stream->eof()) return 0;
        int got = source->stream->read(buffer, static_cast<int>(want));
        return got > 0 ? static_cast<size_t>(got) : 0;
    } catch (...) {
        source->failed = true;
        return 0;
    }
}

int seek_callback(void* user, ogg_int64_t offset, int whence) {
    auto* source = static_cast<Source*>(user);
    try {
        std::int64_t target;
        if (whence == SEEK_SET)
            target = source->base + offset;
        else if (whence == SEEK_CUR)
            target = source->stream->pos() + offset;
        else if (whence == SEEK_END)
            target = source->stream->size() + offset;
        else
            return -1;
        if (target < source->base || target > INT_MAX) return -1;
        return source->stream->seek(static_cast<int>(target)) == target ? 0 : -1;
    } catch (...) {
        source->failed = true;
        return -1;
    }
}

// The stream belongs to whoever opened it; the library must not close it,
// since another decoder may still want to look at it.
int close_callback(void*) {
    return 0;
}

long tell_callback(void* user) {
    auto* source = static_cast<Source*>(user);
    try {
        return static_cast<long>(source->stream->pos() - source->base);
    } catch (...) {
        source->failed = true;
        return -1;
    }
}

// Which interleaved channel is the front right one, in Vorbis channel order.
int right_channel(int channels) {
    if (channels <= 1) return 0;
    if (channels == 2 || channels == 4 || channels > 8) return 1;
    return 2; // left, centre, right, ...
}

} // namespace

PcmSampleRef TOggDecoder::decode(const StreamRef& stream) {
    Source source{stream.get(), stream->pos()};
    ov_callbacks callbacks{read_callback, seek_callback, close_callback, tell_callback};
    OggVorbis_File file;
    if (ov_open_callbacks(&source, &file, nullptr, 0, callbacks) != 0) return nullptr;

    struct Closer {
        OggVorbis_File* file;
        ~Closer() { ov_clear(file); }
    } closer{&file};

    vorbis_info* info = ov_info(&file, -1);
    ogg_int64_t total = ov_pcm_total(&file, -1);
    if (!info || info->channels < 1 || info->rate <= 0 || info->rate > INT_MAX || total < 0)
        return nullptr;
    const bool mono = info->channels == 1;
    const int out_channels = mono ? 1 : 2;

    // The total comes from the last page's header, which a damaged file can
    // overstate: reserve only a bounded amount up front and grow with the
    // frames actually decoded.
    constexpr ogg_int64_t reserve_limit = 1 << 22;
    std::vector<std::uint8_t> bytes;
    // One frame more than the track, for the guard frame a sound adds after it.
    bytes.reserve(
        static_cast<std::size_t>((std::min(total, reserve_limit) + 1) * out_channels * 2));

    char buffer[8192];
    for (;;) {
        int link = 0;
        long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &link);
        if (got == 0) break;
        if (got == OV_HOLE) continue; // a gap in the data: decoding resumes after it
        if (got < 0 || source.failed) return nullptr;
        vorbis_info* part = ov_info(&file, link);
        int channels = part ? part->channels : info->channels;
        if (channels < 1) return nullptr;
        int frame = channels * 2;
        long frames = got / frame;
        int right = right_channel(channels);
        std::size_t at = bytes.size();
        bytes.resize(at +
                     static_cast<std::size_t>(frames) * static_cast<std::size_t>(out_channels) * 2);
        for (long f = 0; f < frames; ++f) {
            const char* in = buffer + f * frame;
            bytes[at++] = static_cast<std::uint8_t>(in[0]);
            bytes[at++] = static_cast<std::uint8_t>(in[1]);
            if (mono) continue;
            bytes[at++] = static_cast<std::uint8_t>(in[right * 2]);
            bytes[at++] = static_cast<std::uint8_t>(in[right * 2 + 1]);
        }
        if (bytes.size() / static_cast<std::size_t>(out_channels * 2) >= 0x7fffffff) break;
    }
    if (source.failed) return nullptr;
    return std::make_shared<TPcmSample>(std::move(bytes), static_cast<std::int32_t>(info->rate),
                                        mono ? PCM_MONO16 : PCM_STEREO16);
}
