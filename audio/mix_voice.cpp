// The inner loop of the mixer: one voice into one block.
//
// Arithmetic, to the bit: the position is 32.32 fixed point and advances per
// output frame by rate x hertz / 44100 computed in 16.16; a sample is read by
// linear interpolation between the frame at the integer position and the
// next one, weighted by the top 16 bits of the fraction; 8-bit data is
// centred and scaled to 16 bits first; each side adds gain x sample / 256
// (4.12 gains), so a full-scale sample at volume 1.0 adds 16 x its value.
#include "audio/mixer.h"

#include <algorithm>
#include <limits>

namespace {

constexpr auto relaxed = std::memory_order_relaxed;

struct gains {
    std::int32_t left;
    std::int32_t right;
};

gains gains_for(std::int32_t volume, std::int32_t pan, std::int32_t depth) {
    gains g{volume, volume};
    if (pan > 0) g.left = volume * (4096 - pan) / 4096;
    if (pan < 0) g.right = volume * (pan + 4096) / 4096;
    if (depth < 0) g.right = -g.right;
    return g;
}

// The 32.32 increment per output frame. A rate below zero holds the voice still.
std::uint64_t step_for(std::int32_t rate, std::int32_t hertz) {
    if (rate <= 0 || hertz <= 0) return 0;
    std::int64_t step = static_cast<std::int64_t>(rate) * hertz / mixer::output_rate;
    return static_cast<std::uint64_t>(step) << 16;
}

// The linear move from `from` to `to` at frame i of a block.
std::int32_t ramp(std::int32_t from, std::int32_t to, int i) {
    return from + static_cast<std::int32_t>((static_cast<std::int64_t>(to - from) * i) >> 9);
}
static_assert(mixer::block_frames == 1 << 9, "ramps divide by the block length");

// Adds with wrap-around, as a 32-bit accumulator does; a signed overflow
// would be undefined, and only thousands of loud voices get there at all.
inline void add(std::int32_t& sum, std::int32_t value) {
    sum = static_cast<std::int32_t>(static_cast<std::uint32_t>(sum) +
                                    static_cast<std::uint32_t>(value));
}

inline std::int32_t lerp(std::int32_t s0, std::int32_t s1, std::uint32_t fraction) {
    return s0 + static_cast<std::int32_t>((static_cast<std::int64_t>(s1 - s0) * fraction) >> 16);
}

// Whole: the position has no fraction, so interpolation would add
// (next - this) x 0 and can be left out without changing a bit.
template <int Channels, int Bits, bool Whole = false>
inline void mix_frame(const sound_data& data, std::uint64_t position, gains g, std::int32_t* out) {
    const std::size_t at = static_cast<std::size_t>(position >> 32) * Channels;
    const auto fraction = static_cast<std::uint32_t>(position >> 16) & 0xffff;
    std::int32_t left, right;
    if constexpr (Bits == 16) {
        const std::int16_t* p = data.frames16() + at;
        left = Whole ? p[0] : lerp(p[0], p[Channels], fraction);
        right = Channels == 1 ? left : Whole ? p[1] : lerp(p[1], p[3], fraction);
    } else {
        const std::uint8_t* p = data.frames8() + at;
        left = Whole ? (p[0] - 128) * 256
                     : lerp((p[0] - 128) * 256, (p[Channels] - 128) * 256, fraction);
        right = Channels == 1 ? left
                : Whole       ? (p[1] - 128) * 256
                              : lerp((p[1] - 128) * 256, (p[3] - 128) * 256, fraction);
    }
    add(out[0], g.left * left / 256);
    add(out[1], g.right * right / 256);
}

// count frames at a steady step and gain, none of them past the end.
template <int Channels, int Bits>
void mix_run(const sound_data& data, std::uint64_t& position, std::uint64_t step, gains g,
             std::int32_t* out, int count) {
    std::uint64_t at = position;
    // Whole-frame steps from a whole-frame position (a sound at the output
    // rate, played at its own pitch) never need the next frame.
    if (((at | step) & 0xffffffffu) == 0) {
        for (int i = 0; i < count; ++i, at += step)
            mix_frame<Channels, Bits, true>(data, at, g, out + 2 * i);
    } else {
        for (int i = 0; i < count; ++i, at += step)
            mix_frame<Channels, Bits>(data, at, g, out + 2 * i);
    }
    position = at;
}

using run_function = void (*)(const sound_data&, std::uint64_t&, std::uint64_t, gains,
                              std::int32_t*, int);
using frame_function = void (*)(const sound_data&, std::uint64_t, gains, std::int32_t*);

run_function run_for(const sound_data& data) {
    if (data.bits == 8) return data.channels == 2 ? mix_run<2, 8> : mix_run<1, 8>;
    return data.channels == 2 ? mix_run<2, 16> : mix_run<1, 16>;
}

frame_function frame_for(const sound_data& data) {
    if (data.bits == 8) return data.channels == 2 ? mix_frame<2, 8> : mix_frame<1, 8>;
    return data.channels == 2 ? mix_frame<2, 16> : mix_frame<1, 16>;
}

// The position has reached the end of the data: a looping voice wraps back
// by the data length, a one-shot ends. False when the voice ended. A looping
// sound without frames ends too, rather than wrapping on the spot forever.
bool wrap_or_end(sound& voice) {
    const sound_data& data = *voice.data;
    if (data.loop && data.frame_count > 0) {
        voice.position %= static_cast<std::uint64_t>(data.frame_count) << 32;
        return true;
    }
    voice.status.store(voice.temporary.load() ? 0 : sound::STOPPED);
    return false;
}

} // namespace

void mix_voice(sound& voice, std::int32_t* accumulator, int first) {
    const sound_data& data = *voice.data;
    const std::uint64_t end = static_cast<std::uint64_t>(data.frame_count) << 32;
    const std::int32_t volume_from = voice.volume.current.load(relaxed);
    const std::int32_t volume_to = voice.volume.target.load(relaxed);
    const std::int32_t rate_from = voice.rate.current.load(relaxed);
    const std::int32_t rate_to = voice.rate.target.load(relaxed);
    const std::int32_t pan = voice.pan.target.load(relaxed);
    const std::int32_t depth = voice.depth.target.load(relaxed);
    voice.pan.current.store(pan, relaxed);
    voice.depth.current.store(depth, relaxed);

    if (volume_from == volume_to && rate_from == rate_to) {
        // Steady: mix in runs that stop only at the end of the data.
        const std::uint64_t step = step_for(rate_from, data.hertz);
        const gains g = gains_for(volume_from, pan, depth);
        const run_function run = run_for(data);
        for (int i = first; i < mixer::block_frames;) {
            if (voice.position >= end && !wrap_or_end(voice)) break;
            const std::uint64_t left = end - voice.position;
            const std::uint64_t to_end =
                step ? (left + step - 1) / step : std::numeric_limits<std::uint64_t>::max();
            const int count = static_cast<int>(std::min<std::uint64_t>(
                static_cast<std::uint64_t>(mixer::block_frames - i), to_end));
            if (volume_from == 0)
                voice.position += step * static_cast<std::uint64_t>(count);
            else
                run(data, voice.position, step, g, accumulator + 2 * i, count);
            i += count;
        }
    } else {
        // Sliding volume or rate: every frame has its own gain and step.
        const frame_function mix_one = frame_for(data);
        for (int i = first; i < mixer::block_frames; ++i) {
            if (voice.position >= end && !wrap_or_end(voice)) break;
            const std::int32_t volume = ramp(volume_from, volume_to, i);
            if (volume != 0)
                mix_one(data, voice.position, gains_for(volume, pan, depth), accumulator + 2 * i);
            voice.position += step_for(ramp(rate_from, rate_to, i), data.hertz);
        }
    }
    voice.volume.current.store(volume_to, relaxed);
    voice.rate.current.store(rate_to, relaxed);
}
