#include "graphics/frame_pacer.h"

void TFramePacer::start(int rate, std::int32_t now) {
    sync_rate_ = rate;
    sync_time_ = now;
    sync_accum_ = 0;
}

int TFramePacer::next_wait(std::int32_t now) {
    if (sync_rate_ <= 0) return 0;
    // The clock wraps modulo 2^32; the difference of two readings does not.
    int elapsed = static_cast<std::int32_t>(static_cast<std::uint32_t>(now) -
                                            static_cast<std::uint32_t>(sync_time_));
    sync_accum_ += 1000;
    int wait = sync_accum_ / sync_rate_ - elapsed;
    if (wait > 0 && wait < 1000) {
        // Move the whole milliseconds already scheduled into sync_time, so
        // that neither count grows with the length of the run; the waits
        // come out exactly as if both had kept growing.
        int whole = sync_accum_ / sync_rate_;
        sync_accum_ -= whole * sync_rate_;
        sync_time_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(sync_time_) +
                                               static_cast<std::uint32_t>(whole));
        return wait;
    }
    // Restart the schedule from now.
    sync_accum_ = 0;
    sync_time_ = now;
    return 0;
}
