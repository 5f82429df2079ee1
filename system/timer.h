// The frame timer.
//
// A timer ticks on a thread of its own, but its ticks are counted on the main
// thread, one by one, as the main thread drains its queue: a frame that
// overran finds its missed ticks waiting, and nothing is lost.
#pragma once

#include "system/event.h"

#include <cstdint>
#include <memory>

class TTickTimer {
  public:
    std::int32_t tick_count = 0;
    std::int32_t ticks_at_last_wait = 0;
    std::shared_ptr<TTickTimer> keep_alive; // itself while running
    EventRef tick_event;                    // emitted per tick; Null: a fresh "TimerTick"
    std::int32_t system_timer_id = 0;       // 0 when stopped or refused
    std::uint64_t serial = 0;               // names the timer in posted ticks
    std::int32_t period_ms = 0;
};

using TimerRef = std::shared_ptr<TTickTimer>;

// Starts a timer of that rate; 60 gives a 16 ms period (62.5 ticks a second).
// The timer keeps itself alive until stop_timer.
TimerRef create_timer(float hertz, EventRef tick_event = nullptr);

// Blocks until at least one tick has been counted since the previous wait and
// returns how many. Missed ticks are reported, never made up for.
std::int32_t wait_timer(const TimerRef& timer);

std::int32_t timer_ticks(const TimerRef& timer);

// Stops the ticks. Ticks already on their way are still counted.
void stop_timer(const TimerRef& timer);

// Counts one tick and emits its event; run on the main thread.
void fire_timer(TTickTimer& timer);

// Connects posted ticks to their timers; part of the system start-up.
void install_timer_ticks();
