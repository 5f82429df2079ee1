#include "audio/sound_data.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace {

std::int32_t bits_of(const TPcmSample& sample) {
    return sample.channels() ? sample.frame_bytes() * 8 / sample.channels() : 16;
}

} // namespace

sound_data::sound_data(const TPcmSample& sample, int loop_flag)
    : hertz(sample.hertz), channels(sample.channels()), bits(bits_of(sample)),
      frame_count(sample.frame_count), frame_bytes(sample.frame_bytes()), loop(loop_flag != 0) {
    const std::size_t size = static_cast<std::size_t>(frame_count) * frame_bytes;
    bytes_.reserve(size + static_cast<std::size_t>(frame_bytes));
    bytes_.assign(sample.samples(), sample.samples() + size);
    add_guard_frame();
}

sound_data::sound_data(TPcmSample&& sample, int loop_flag)
    : hertz(sample.hertz), channels(sample.channels()), bits(bits_of(sample)),
      frame_count(sample.frame_count), frame_bytes(sample.frame_bytes()), loop(loop_flag != 0),
      bytes_(sample.release_bytes()) {
    bytes_.resize(static_cast<std::size_t>(frame_count) * frame_bytes);
    add_guard_frame();
}

void sound_data::add_guard_frame() {
    if constexpr (std::endian::native == std::endian::big) {
        if (bits == 16)
            for (std::size_t i = 0; i + 1 < bytes_.size(); i += 2)
                std::swap(bytes_[i], bytes_[i + 1]);
    }
    // The first frame for a loop, the last for a one-shot, silence for a
    // sound without frames.
    const std::size_t frame = static_cast<std::size_t>(frame_bytes);
    if (frame_count == 0) {
        bytes_.assign(frame, bits == 8 ? std::uint8_t{128} : std::uint8_t{0});
        return;
    }
    const std::size_t guard = loop ? 0 : bytes_.size() - frame;
    for (std::size_t i = 0; i < frame; ++i) bytes_.push_back(bytes_[guard + i]);
}
