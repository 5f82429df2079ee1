// Sound as the generator composes it: interleaved float samples, 1.0 = full scale.
#pragma once

#include <cstddef>
#include <vector>

struct AudioBuffer {
    int rate = 44100;
    int channels = 2;
    std::vector<float> samples;

    AudioBuffer() = default;
    AudioBuffer(int rate_, int channels_, std::size_t frames)
        : rate(rate_), channels(channels_), samples(frames * static_cast<std::size_t>(channels_)) {}

    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
    float& at(std::size_t frame, int channel) { return samples[frame * channels + channel]; }
    float at(std::size_t frame, int channel) const { return samples[frame * channels + channel]; }
};

// Loudest sample the game's files may hold: 1 dB under full scale, with room
// left for rounding.
inline constexpr float peak_ceiling = 0.85f;

// Removes any DC offset, scales the loudest sample to `peak`, and (for one-shot
// sounds) fades the first and last few milliseconds so neither end clicks.
void finish_sound(AudioBuffer& sound, float peak, bool fade_ends);
