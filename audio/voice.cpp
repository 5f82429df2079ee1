#include "audio/voice.h"

namespace {

constexpr auto relaxed = std::memory_order_relaxed;

std::int32_t pick(const sound::setting& s, int target) {
    return target ? s.target.load(relaxed) : s.current.load(relaxed);
}

} // namespace

void sound::reset() {
    status.store(0, relaxed);
    handle = 0;
    temporary.store(0, relaxed);
    next = nullptr;
    data.reset();
    position = 0;
    rate.both(0x10000);
    volume.both(4096);
    pan.both(0);
    depth.both(0);
    request_ms = 0;
    start_delay = 0;
}

void sound::set_rate(std::int32_t value) {
    rate.target.store(value, relaxed);
    if (status.load(relaxed) & PAUSED) rate.current.store(value, relaxed);
}

void sound::set_volume(std::int32_t value) {
    volume.target.store(value, relaxed);
    if (status.load(relaxed) & PAUSED) volume.current.store(value, relaxed);
}

void sound::set_pan(std::int32_t value) {
    pan.target.store(value, relaxed);
    if (status.load(relaxed) & PAUSED) pan.current.store(value, relaxed);
}

void sound::set_depth(std::int32_t value) {
    depth.target.store(value, relaxed);
}

std::int32_t sound::get_rate(int target) {
    return pick(rate, target);
}
std::int32_t sound::get_volume(int target) {
    return pick(volume, target);
}
std::int32_t sound::get_pan(int target) {
    return pick(pan, target);
}
std::int32_t sound::get_depth(int target) {
    return pick(depth, target);
}

void sound::stop() {
    // Sequentially consistent: the mixer must see the temporary flag once it
    // sees the stopped status.
    temporary.store(1);
    int now = status.load();
    while (now != 0 && !status.compare_exchange_weak(now, STOPPED)) {
    }
}

void sound::set_paused(bool paused) {
    int now = status.load();
    for (;;) {
        // Only a voice that still plays can be paused or resumed.
        if (!(now & (ONCE | LOOPED))) return;
        int wanted = paused ? (now | PAUSED) : (now & ~PAUSED);
        if (wanted == now || status.compare_exchange_weak(now, wanted)) return;
    }
}

bool sound::playing() const {
    return (status.load() & (ONCE | LOOPED)) != 0;
}
