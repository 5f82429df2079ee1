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
    // The same, taking the sample's bytes instead of copying them (a decoded
    // track is ten megabytes); the sample is left empty.
    sound_data(TPcmSample&& sample, int loop);

    std::int32_t hertz;
    std::int32_t channels;
    std::int32_t bits; // 8 or 16
    std::int32_t frame_count;
    std::int32_t frame_bytes; // channels x bits / 8
    int loop;

    // frame_count + 1 frames: interpolation reads one frame past the end,
    // where the guard frame repeats the first frame of a looping sound (so
    // the end blends into the start) or the last frame of a one-shot.
    const std::uint8_t* frames8() const { return bytes_.data(); } // 8-bit sounds
    const std::int16_t* frames16() const {                        // 16-bit sounds
        return reinterpret_cast<const std::int16_t*>(bytes_.data());
    }

  private:
    void add_guard_frame();

    // The frames as the sample had them: on a little-endian machine 16-bit
    // little-endian samples need no conversion to be read as int16.
    std::vector<std::uint8_t> bytes_;
};

using SoundDataRef = std::shared_ptr<const sound_data>;
