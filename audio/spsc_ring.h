// A fixed ring between exactly one writing thread and one reading thread.
//
// No locks and no allocation: the writer publishes an entry by advancing its
// counter with release order, the reader takes it after an acquire load, so
// everything the writer did to the entry's object before pushing is visible
// to the reader. The counters run freely and wrap; all Size entries are usable.
#pragma once

#include <atomic>
#include <cstdint>

template <typename T, std::uint32_t Size> class spsc_ring {
    static_assert(Size > 0 && (Size & (Size - 1)) == 0, "the size must be a power of two");

  public:
    // Writer only. False when the ring is full; nothing is overwritten.
    bool push(T value) {
        std::uint32_t write = write_.load(std::memory_order_relaxed);
        if (write - read_.load(std::memory_order_acquire) == Size) return false;
        slots_[write & (Size - 1)] = value;
        write_.store(write + 1, std::memory_order_release);
        return true;
    }

    // Reader only. False when the ring is empty.
    bool pop(T& value) {
        std::uint32_t read = read_.load(std::memory_order_relaxed);
        if (read == write_.load(std::memory_order_acquire)) return false;
        value = slots_[read & (Size - 1)];
        read_.store(read + 1, std::memory_order_release);
        return true;
    }

    // Entries waiting; exact only when neither side is busy.
    std::uint32_t size() const {
        return write_.load(std::memory_order_acquire) - read_.load(std::memory_order_acquire);
    }

  private:
    // Apart, so the two threads do not fight over one cache line.
    alignas(64) std::atomic<std::uint32_t> write_{0};
    alignas(64) std::atomic<std::uint32_t> read_{0};
    alignas(64) T slots_[Size] = {};
};
