#include "audio/sound_data.h"

sound_data::sound_data(const TPcmSample& sample, int loop_flag)
    : hertz(sample.hertz), channels(sample.channels()),
      bits(sample.channels() ? sample.frame_bytes() * 8 / sample.channels() : 16),
      frame_count(sample.frame_count), frame_bytes(sample.frame_bytes()), loop(loop_flag != 0) {
    const std::size_t per_frame = static_cast<std::size_t>(channels);
    const std::size_t values = static_cast<std::size_t>(frame_count) * per_frame;
    const std::uint8_t* from = sample.samples();
    // The guard frame: the first frame for a loop, the last for a one-shot,
    // silence for a sound without frames.
    std::size_t guard = (loop || frame_count == 0) ? 0 : values - per_frame;
    if (bits == 8) {
        bytes8_.assign(values + per_frame, 128);
        for (std::size_t i = 0; i < values; ++i) bytes8_[i] = from[i];
        for (std::size_t c = 0; c < per_frame && frame_count > 0; ++c)
            bytes8_[values + c] = bytes8_[guard + c];
    } else {
        samples16_.assign(values + per_frame, 0);
        for (std::size_t i = 0; i < values; ++i)
            samples16_[i] = static_cast<std::int16_t>(from[2 * i] | (from[2 * i + 1] << 8));
        for (std::size_t c = 0; c < per_frame && frame_count > 0; ++c)
            samples16_[values + c] = samples16_[guard + c];
    }
}
