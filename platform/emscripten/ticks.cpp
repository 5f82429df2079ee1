// Tick sources on the browser's clock. Without threads, nothing can post a
// tick while the program works; the due ticks are posted whenever the main
// thread looks for news or wakes from a wait, which sleeps no longer than to
// the next deadline. Deadlines are absolute, so the period does not drift
// (a 16 ms source posts 62.5 notices a second).
#include "platform/emscripten/web.h"
#include "platform/internal.h"

#include <algorithm>
#include <map>

namespace platform {
namespace {

struct TickSource {
    int period_ms = 0;
    std::uint32_t deadline = 0;
    std::uint64_t id = 0;
};

std::map<TickSourceId, TickSource> running;
TickSourceId last_id = 0;

// The signed distance from `from` to `to` on the wrapping clock.
int ms_between(std::uint32_t from, std::uint32_t to) {
    return static_cast<std::int32_t>(to - from);
}

} // namespace

TickSourceId start_tick_source(int period_ms, std::uint64_t id) {
    if (period_ms <= 0) return 0;
    const std::uint32_t first = milliseconds() + static_cast<std::uint32_t>(period_ms);
    running[++last_id] = TickSource{period_ms, first, id};
    return last_id;
}

void stop_tick_source(TickSourceId source) {
    running.erase(source);
}

void stop_all_tick_sources() {
    running.clear();
}

void detail::post_due_ticks() {
    const std::uint32_t now = milliseconds();
    for (auto& [handle, source] : running) {
        while (ms_between(source.deadline, now) >= 0) {
            post_notice(source.id);
            source.deadline += static_cast<std::uint32_t>(source.period_ms);
            // After a long stall (a hidden tab is hardly ever woken), do not
            // post a burst of catch-up ticks: restart the schedule from now.
            if (ms_between(source.deadline, now) > 100 * source.period_ms)
                source.deadline = now + static_cast<std::uint32_t>(source.period_ms);
        }
    }
}

int detail::ms_until_next_tick() {
    const std::uint32_t now = milliseconds();
    int soonest = -1;
    for (const auto& [handle, source] : running) {
        const int wait = std::max(0, ms_between(now, source.deadline));
        if (soonest < 0 || wait < soonest) soonest = wait;
    }
    return soonest;
}

} // namespace platform
