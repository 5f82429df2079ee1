#include "graphics/counters.h"

#include <atomic>
#include <chrono>

namespace {

std::atomic<int> live_textures{0};
std::atomic<std::int64_t> frames{0};
std::atomic<std::int64_t> longest_interval_us{0};
std::atomic<std::int64_t> late{0};
std::atomic<const char*> route{nullptr};
// Main thread only: when the previous frame left.
std::int64_t last_frame_us = -1;

constexpr std::int64_t late_interval_us = 20000;

std::int64_t now_us() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

const char* picture_route() {
    const char* name = route.load(std::memory_order_relaxed);
    return name ? name : "none";
}

void note_picture_route(const char* name) {
    route.store(name, std::memory_order_relaxed);
}

int live_texture_count() {
    return live_textures.load(std::memory_order_relaxed);
}

std::int64_t frames_presented() {
    return frames.load(std::memory_order_relaxed);
}

std::int64_t take_longest_frame_interval_us() {
    return longest_interval_us.exchange(0, std::memory_order_relaxed);
}

std::int64_t late_frames() {
    return late.load(std::memory_order_relaxed);
}

void note_texture_made() {
    live_textures.fetch_add(1, std::memory_order_relaxed);
}

void note_textures_gone(int count) {
    live_textures.fetch_sub(count, std::memory_order_relaxed);
}

void note_frame_presented() {
    std::int64_t now = now_us();
    frames.fetch_add(1, std::memory_order_relaxed);
    if (last_frame_us >= 0) {
        std::int64_t interval = now - last_frame_us;
        if (interval > late_interval_us) late.fetch_add(1, std::memory_order_relaxed);
        std::int64_t longest = longest_interval_us.load(std::memory_order_relaxed);
        while (interval > longest && !longest_interval_us.compare_exchange_weak(
                                         longest, interval, std::memory_order_relaxed)) {
        }
    }
    last_frame_us = now;
}
