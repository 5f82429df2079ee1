// Tick sources. Each runs on its own thread and sleeps to absolute deadlines,
// so the period does not drift with scheduling delays (a 16 ms source posts
// 62.5 notices a second, exactly). The thread touches nothing but the notice
// queue; the main thread does the counting when it drains the queue.
#include "platform/internal.h"
#include "platform/process.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace platform {
namespace {

struct TickSource {
    std::thread thread;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
};

struct Sources {
    std::mutex mutex;
    std::map<TickSourceId, std::unique_ptr<TickSource>> running;
    TickSourceId last_id = 0;
};

// Never destroyed: tick threads may still be running while the process exits.
Sources& sources() {
    static Sources* all = new Sources;
    return *all;
}

void run_tick_source(TickSource* source, int period_ms, std::uint64_t id) {
    using clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(period_ms);
    auto deadline = clock::now() + period;
    std::unique_lock<std::mutex> lock(source->mutex);
    for (;;) {
        if (source->wake.wait_until(lock, deadline, [source] { return source->stopping; })) return;
        post_notice(id);
        deadline += period;
        // After a long stall (a suspended process), do not post a burst of
        // catch-up ticks: restart the schedule from now.
        auto now = clock::now();
        if (now > deadline + 100 * period) deadline = now + period;
    }
}

} // namespace

TickSourceId start_tick_source(int period_ms, std::uint64_t id) {
    if (period_ms <= 0) return 0;
    auto source = std::make_unique<TickSource>();
    try {
        source->thread = start_background_thread(
            [source = source.get(), period_ms, id] { run_tick_source(source, period_ms, id); });
    } catch (const std::system_error&) {
        return 0;
    }
    Sources& all = sources();
    std::lock_guard<std::mutex> lock(all.mutex);
    TickSourceId handle = ++all.last_id;
    all.running.emplace(handle, std::move(source));
    return handle;
}

void stop_tick_source(TickSourceId handle) {
    std::unique_ptr<TickSource> source;
    {
        Sources& all = sources();
        std::lock_guard<std::mutex> lock(all.mutex);
        auto it = all.running.find(handle);
        if (it == all.running.end()) return;
        source = std::move(it->second);
        all.running.erase(it);
    }
    {
        std::lock_guard<std::mutex> lock(source->mutex);
        source->stopping = true;
    }
    source->wake.notify_all();
    source->thread.join();
}

void stop_all_tick_sources() {
    for (;;) {
        TickSourceId handle;
        {
            Sources& all = sources();
            std::lock_guard<std::mutex> lock(all.mutex);
            if (all.running.empty()) return;
            handle = all.running.begin()->first;
        }
        stop_tick_source(handle);
    }
}

} // namespace platform
