// Channel handles: small integers that name a voice for as long as it lives.
//
// 4096 slots, of which 1..4095 are handed out (slot 0 heads the free list).
// A handle is its slot number in the low 12 bits plus a serial number above
// that grows by 4096 each time the slot is handed out, so a handle kept after
// its voice was recycled no longer matches and finds nothing. Game thread only.
#pragma once

#include <cstdint>

class sound;

class channel_table {
  public:
    static constexpr int slot_count = 4096;

    channel_table();

    // A fresh handle, bound to no voice yet; 0 when all 4095 are in use.
    std::int32_t acquire();
    void bind(std::int32_t handle, sound* voice);
    // Gives the handle's slot back. Stale or unknown handles are ignored.
    void release(std::int32_t handle);
    // The voice of a live handle, or null.
    sound* find(std::int32_t handle) const;
    int in_use() const { return in_use_; }

  private:
    struct slot {
        std::uint32_t handle = 0;
        sound* voice = nullptr;
        std::int32_t next_free = 0;
        bool used = false;
    };
    const slot* live(std::int32_t handle) const;

    slot slots_[slot_count];
    int in_use_ = 0;
};
