#include "system/timer.h"

#include "platform/platform.h"
#include "system/messages.h"

#include <map>

namespace {

// Timers by serial, so a tick posted for a timer that has since gone is
// simply dropped.
struct TimerRegistry {
    std::map<std::uint64_t, std::weak_ptr<TTickTimer>> timers;
    std::uint64_t last_serial = 0;
};

TimerRegistry& registry() {
    static auto* timers = new TimerRegistry;
    return *timers;
}

void on_tick_notice(std::uint64_t serial) {
    TimerRegistry& all = registry();
    auto it = all.timers.find(serial);
    if (it == all.timers.end()) return;
    TimerRef timer = it->second.lock();
    if (!timer) {
        all.timers.erase(it);
        return;
    }
    fire_timer(*timer);
}

} // namespace

void install_timer_ticks() { platform::set_notice_handler(on_tick_notice); }

TimerRef create_timer(float hertz, EventRef tick_event) {
    install_timer_ticks();
    auto timer = std::make_shared<TTickTimer>();
    timer->keep_alive = timer;
    timer->tick_event = std::move(tick_event);
    TimerRegistry& all = registry();
    timer->serial = ++all.last_serial;
    all.timers[timer->serial] = timer;
    // Truncated toward zero to whole milliseconds: 60 Hz ticks every 16 ms.
    double period = 1000.0 / static_cast<double>(hertz);
    std::int64_t whole = (period > 0 && period < 9.2e18) ? static_cast<std::int64_t>(period) : 0;
    timer->period_ms = static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
    timer->system_timer_id = platform::start_tick_source(timer->period_ms, timer->serial);
    return timer;
}

std::int32_t wait_timer(const TimerRef& timer) {
    if (!timer) return 0;
    if (timer->system_timer_id == 0) {
        // A stopped or refused timer will never tick again: count what is
        // still on its way and return at once, whatever that was.
        pump_messages();
    } else {
        do {
            wait_messages();
        } while (timer->tick_count == timer->ticks_at_last_wait);
    }
    std::int32_t n = timer->tick_count - timer->ticks_at_last_wait;
    timer->ticks_at_last_wait = timer->tick_count;
    return n;
}

std::int32_t timer_ticks(const TimerRef& timer) { return timer ? timer->tick_count : 0; }

void stop_timer(const TimerRef& timer) {
    if (!timer || timer->system_timer_id == 0) return;
    platform::stop_tick_source(timer->system_timer_id);
    timer->system_timer_id = 0;
    timer->tick_event = nullptr;
    timer->keep_alive = nullptr;
}

void fire_timer(TTickTimer& timer) {
    timer.tick_count += 1;
    if (timer.tick_event) {
        emit_event(timer.tick_event);
    } else {
        // The source is the timer itself, without keeping it alive beyond the event.
        auto source = registry().timers[timer.serial].lock();
        emit_event(create_event(EVENT_TIMER_TICK, source, timer.tick_count, 0, 0, 0));
    }
}
