#include "audio/pcm_sample.h"

#include <utility>

int pcm_frame_bytes(int format) {
    static const int bytes[] = {0, 1, 2, 2, 2, 4, 4};
    return (format >= 1 && format <= 6) ? bytes[format] : 0;
}

int pcm_channels(int format) {
    static const int channels[] = {0, 1, 1, 1, 2, 2, 2};
    return (format >= 1 && format <= 6) ? channels[format] : 0;
}

TPcmSample::TPcmSample(std::int32_t frames, std::int32_t rate, std::int32_t format)
    : frame_count(frames < 0 ? 0 : frames), hertz(rate), sample_format(format),
      data_(static_cast<std::size_t>(frame_count) *
            static_cast<std::size_t>(pcm_frame_bytes(format))) {}

TPcmSample::TPcmSample(std::vector<std::uint8_t> bytes, std::int32_t rate, std::int32_t format)
    : frame_count(0), hertz(rate), sample_format(format), data_(std::move(bytes)) {
    std::size_t frame = static_cast<std::size_t>(pcm_frame_bytes(format));
    std::size_t frames = frame ? data_.size() / frame : 0;
    if (frames > 0x7fffffff) frames = 0x7fffffff;
    frame_count = static_cast<std::int32_t>(frames);
    data_.resize(frames * frame);
}

std::vector<std::uint8_t> TPcmSample::release_bytes() {
    frame_count = 0;
    return std::exchange(data_, {});
}

void TPcmSample::truncate(std::int32_t frames) {
    if (frames < 0 || frames >= frame_count) return;
    frame_count = frames;
    data_.resize(static_cast<std::size_t>(frames) * static_cast<std::size_t>(frame_bytes()));
}
