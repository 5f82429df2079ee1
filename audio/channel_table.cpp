#include "audio/channel_table.h"

channel_table::channel_table() {
    for (int i = 0; i < slot_count; ++i) {
        slots_[i].handle = static_cast<std::uint32_t>(i);
        slots_[i].next_free = i + 1 < slot_count ? i + 1 : 0;
    }
}

std::int32_t channel_table::acquire() {
    std::int32_t index = slots_[0].next_free;
    if (index == 0) return 0;
    slot& s = slots_[index];
    slots_[0].next_free = s.next_free;
    s.handle += slot_count; // unsigned: the serial wraps instead of overflowing
    s.voice = nullptr;
    s.used = true;
    ++in_use_;
    return static_cast<std::int32_t>(s.handle);
}

const channel_table::slot* channel_table::live(std::int32_t handle) const {
    std::int32_t index = handle & (slot_count - 1);
    if (index == 0) return nullptr;
    const slot& s = slots_[index];
    if (!s.used || s.handle != static_cast<std::uint32_t>(handle)) return nullptr;
    return &s;
}

void channel_table::bind(std::int32_t handle, sound* voice) {
    if (live(handle)) slots_[handle & (slot_count - 1)].voice = voice;
}

void channel_table::release(std::int32_t handle) {
    if (!live(handle)) return;
    std::int32_t index = handle & (slot_count - 1);
    slot& s = slots_[index];
    s.used = false;
    s.voice = nullptr;
    s.next_free = slots_[0].next_free;
    slots_[0].next_free = index;
    --in_use_;
}

sound* channel_table::find(std::int32_t handle) const {
    const slot* s = live(handle);
    return s ? s->voice : nullptr;
}
