// Software frame pacing: sleeps so that frames leave at a steady rate when
// the display cannot wait for the vertical blank itself.
#pragma once

#include <cstdint>

// The schedule is kept as a count of thousandths of frames: each frame adds
// 1000, and accum / rate is the millisecond (since `start`) at which the frame
// is due. A frame ready at or after its due time (late by any amount), or a
// second or more before it, restarts the schedule from now: late frames are
// never raced to catch up, and the next frame is due a period later.
class TFramePacer {
  public:
    void start(int rate, std::int32_t now);
    // Milliseconds to sleep before showing the frame that is ready at `now`.
    int next_wait(std::int32_t now);
    int rate() const { return sync_rate_; }

  private:
    int sync_rate_ = 0;
    std::int32_t sync_time_ = 0; // the clock reading the schedule counts from
    int sync_accum_ = 0;
};

// The clock and sleep that present_frame paces with. Null restores the
// system's clock_ms and delay (tests put a simulated clock here).
using PacingClock = std::int32_t (*)();
using PacingSleep = void (*)(std::int32_t ms);
void set_pacing_clock(PacingClock clock, PacingSleep sleep);
