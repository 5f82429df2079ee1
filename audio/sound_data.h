// The audio of one loaded sound as the mixer reads it, shared by the clip
// and every voice playing it.
#pragma once

#include "audio/pcm_sample.h"

#include <cstdint>
#include <memory>
#include <vector>

class sound_data {
  public:
    // Copies the frames of a little-endian sample (formats 1, 2, 4, 5) and
    // adds the guard frame. loop nonzero makes it a looping sound.
    sound_data(const TPcmSample& sample, int loop);

    std::int32_t hertz;
    std::int32_t channels;
    std::int32_t bits; // 8 or 16
    std::int32_t frame_count;
    std::int32_t frame_bytes; // channels x bits / 8
    int loop;

    // frame_count + 1 frames: interpolation reads one frame past the end,
    // where the guard frame repeats the first frame of a looping sound (so
    // the end blends into the start) or the last frame of a one-shot.
    const std::uint8_t* frames8() const { return bytes8_.data(); }     // 8-bit sounds
    const std::int16_t* frames16() const { return samples16_.data(); } // 16-bit sounds

  private:
    std::vector<std::uint8_t> bytes8_;
    std::vector<std::int16_t> samples16_;
};

using SoundDataRef = std::shared_ptr<const sound_data>;
