// Decoded sound in memory: interleaved frames of 8-bit unsigned or 16-bit
// signed samples, as every decoder produces and the mixer consumes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// Sample formats. The numbers are part of the interface: callers that build
// their own samples pass them to load_sound.
enum PcmFormat : int {
    PCM_MONO8 = 1,       // unsigned, 128 is silence
    PCM_MONO16 = 2,      // signed little-endian
    PCM_MONO16_BE = 3,   // signed big-endian
    PCM_STEREO8 = 4,     // unsigned, left then right
    PCM_STEREO16 = 5,    // signed little-endian, left then right
    PCM_STEREO16_BE = 6, // signed big-endian, left then right
};

// Bytes in one frame of the format (1, 2, 2, 2, 4, 4); 0 for an unknown format.
int pcm_frame_bytes(int format);
// Channels of the format (1, 1, 1, 2, 2, 2); 0 for an unknown format.
int pcm_channels(int format);

class TPcmSample {
  public:
    // frame_count zeroed frames (silence for 16-bit data).
    TPcmSample(std::int32_t frame_count, std::int32_t hertz, std::int32_t format);
    // Takes the bytes as they are; a part frame at the end is dropped.
    TPcmSample(std::vector<std::uint8_t> bytes, std::int32_t hertz, std::int32_t format);

    std::uint8_t* samples() { return data_.data(); }
    const std::uint8_t* samples() const { return data_.data(); }
    int frame_bytes() const { return pcm_frame_bytes(sample_format); }
    int channels() const { return pcm_channels(sample_format); }
    // frame_count x frame_bytes.
    std::size_t byte_count() const { return data_.size(); }

    // Shortens the sample to its first frame_count frames.
    void truncate(std::int32_t frames);
    // Hands the frames' bytes over and leaves the sample with none: for a
    // loader that keeps the audio and has no further use for the sample.
    std::vector<std::uint8_t> release_bytes();

    std::int32_t frame_count;
    std::int32_t hertz;
    std::int32_t sample_format;

  private:
    std::vector<std::uint8_t> data_;
};

using PcmSampleRef = std::shared_ptr<TPcmSample>;
