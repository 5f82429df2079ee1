// One playing voice of the mixer.
//
// The game thread prepares a voice and hands it to the mixer through the
// start ring; from then on the mixing thread owns the voice's position and
// list link, and the game thread only writes single fields (targets, status,
// the temporary flag), each atomically. The mixer hands a finished voice back
// through the reuse ring.
#pragma once

#include "audio/output.h"
#include "audio/sound_data.h"

#include <atomic>
#include <cstdint>

class mixer;

class sound : public output {
  public:
    // status bits. 0 is free; 1 alone is stopped but still held by a channel.
    enum : int { STOPPED = 1, ONCE = 2, LOOPED = 4, PAUSED = 16 };

    // A pair the mixer moves from current to target.
    struct setting {
        std::atomic<std::int32_t> current{0};
        std::atomic<std::int32_t> target{0};
        void both(std::int32_t value) {
            current.store(value, std::memory_order_relaxed);
            target.store(value, std::memory_order_relaxed);
        }
    };

    explicit sound(mixer* owner_mixer) : owner(owner_mixer) {}

    // Back to the defaults: rate 1.0, volume 1.0, pan 0, depth 0, free.
    void reset();

    // A setter stores the target; while paused the current value too, so the
    // sound resumes at its new setting instead of sliding to it. Depth only
    // ever sets its target: the mixer takes pan and depth a block at a time.
    void set_rate(std::int32_t rate) override;
    void set_volume(std::int32_t volume) override;
    void set_pan(std::int32_t pan) override;
    void set_depth(std::int32_t depth) override;
    std::int32_t get_rate(int target) override;
    std::int32_t get_volume(int target) override;
    std::int32_t get_pan(int target) override;
    std::int32_t get_depth(int target) override;

    // Game thread. Marks the voice temporary and, unless free, stopped: the
    // next block leaves it silent and frees it, the one after recycles it.
    void stop();
    void set_paused(bool paused);
    // Playing or waiting paused; not stopped, ended or free.
    bool playing() const;

    mixer* owner;
    std::atomic<int> status{0};
    std::int32_t handle = 0;       // 0 for a voice no channel refers to
    std::atomic<int> temporary{0}; // 1: free the voice as soon as it stops
    sound* next = nullptr;         // the mixer's voice list
    SoundDataRef data;
    std::uint64_t position = 0; // 32.32 fixed point, in source frames
    setting rate, volume, pan, depth;
    std::int32_t request_ms = 0;  // the clock when the game asked for it
    std::int64_t start_delay = 0; // output frames still to wait
};
