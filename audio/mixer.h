// The mixing engine: every playing voice summed into blocks of 44100 Hz
// stereo 16-bit output, in integers only.
//
// Two threads share a mixer without locks. The game thread starts voices
// (start) and takes finished ones back (take_finished); the mixing thread
// mixes blocks (mix). Each ring has one writer and one reader.
#pragma once

#include "audio/output.h"
#include "audio/spsc_ring.h"
#include "audio/voice.h"

#include <atomic>
#include <cstdint>

class mixer : public output {
  public:
    static constexpr int output_rate = 44100;
    static constexpr int output_channels = 2;
    static constexpr int block_frames = 512;
    static constexpr int block_samples = block_frames * output_channels;
    static constexpr std::uint32_t ring_entries = 4096;
    // New voices start this long after they were asked for, so that voices
    // asked for a few milliseconds apart keep that spacing in the output.
    static constexpr int start_lead_ms = 20;

    using clock_function = std::int32_t (*)();

    mixer();
    ~mixer() override; // deletes every voice it still holds
    mixer(const mixer&) = delete;
    mixer& operator=(const mixer&) = delete;

    // The millisecond clock for request and mixing times (clock_ms unless a
    // test says otherwise). Set it before either thread uses the mixer.
    void set_clock(clock_function clock) { clock_ = clock; }
    std::int32_t now() const { return clock_(); }

    // Game thread: queues a prepared voice. False when the start ring is full;
    // the voice then stays the caller's.
    bool start(sound* voice);
    // Game thread: a voice the mixer has finished with, or null.
    sound* take_finished();

    // Mixing thread: mixes the next block of block_samples samples into out.
    // now_ms is the clock when the block is mixed.
    void mix(std::int16_t* out, std::int32_t now_ms);
    void mix(std::int16_t* out) { mix(out, now()); }

    // Mixing thread: voices on the voice list.
    int voice_count() const;

    // Any thread: blocks mixed so far.
    std::uint64_t blocks_mixed() const { return blocks_mixed_.load(std::memory_order_acquire); }

  private:
    void take_new_voices(std::int32_t now_ms);
    void mix_voices();
    void convert(std::int16_t* out);

    clock_function clock_;
    sound* voices_ = nullptr;
    std::int32_t accumulator_[block_samples] = {};
    spsc_ring<sound*, ring_entries> starting_;
    spsc_ring<sound*, ring_entries> finished_;
    std::atomic<std::uint64_t> blocks_mixed_{0};
};

// Mixes frames first .. block_frames - 1 of one playing voice into the
// accumulator (block_samples values, left and right interleaved), moves its
// volume and rate to their targets across the block and ends or wraps it at
// the end of its data. Mixing thread only.
void mix_voice(sound& voice, std::int32_t* accumulator, int first);
