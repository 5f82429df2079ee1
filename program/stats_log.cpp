#include "program/stats_log.h"

#include "audio/counters.h"
#include "graphics/counters.h"
#include "system/startup.h"

#include "platform/process.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

struct StatsLog {
    std::mutex lock;
    std::condition_variable wake;
    bool stopping = false;
    std::thread writer;
    std::FILE* file = nullptr;
    std::chrono::steady_clock::time_point start;
    bool exit_hook_added = false;
};

StatsLog& log_state() {
    static auto* state = new StatsLog;
    return *state;
}

void write_line(StatsLog& s) {
    using namespace std::chrono;
    auto elapsed = duration_cast<milliseconds>(steady_clock::now() - s.start).count();
    std::fprintf(s.file, "%lld %ld %d %lld %lld %lld %lld %s\n", static_cast<long long>(elapsed),
                 resident_kb(), live_texture_count(),
                 static_cast<long long>(audio_underrun_count()),
                 static_cast<long long>(frames_presented()),
                 static_cast<long long>(take_longest_frame_interval_us()),
                 static_cast<long long>(late_frames()), picture_route());
    std::fflush(s.file);
}

void run_writer(int period_ms) {
    StatsLog& s = log_state();
    auto next = std::chrono::steady_clock::now();
    std::unique_lock<std::mutex> guard(s.lock);
    while (!s.stopping) {
        next += std::chrono::milliseconds(period_ms);
        if (s.wake.wait_until(guard, next, [&] { return s.stopping; })) break;
        write_line(s);
    }
}

} // namespace

long resident_kb() {
    return platform::resident_memory_kb();
}

bool start_stats_log(const std::string& path, int period_ms) {
    StatsLog& s = log_state();
    if (s.writer.joinable()) return true;
    // Binary: the same bytes on every system, "\n" ending each line, for the
    // scripts that read it.
    s.file = std::fopen(path.c_str(), "ab");
    if (!s.file) {
        std::fprintf(stderr, "cannot write the stats log %s\n", path.c_str());
        return false;
    }
    s.start = std::chrono::steady_clock::now();
    s.stopping = false;
    std::fprintf(
        s.file,
        "# time_ms rss_kb textures underruns frames longest_frame_us late_frames shown_by\n");
    write_line(s);
    s.writer = platform::start_background_thread(
        [period = period_ms > 0 ? period_ms : 1000] { run_writer(period); });
    if (!s.exit_hook_added) {
        s.exit_hook_added = true;
        add_exit_hook(stop_stats_log);
    }
    return true;
}

void stop_stats_log() {
    StatsLog& s = log_state();
    if (!s.writer.joinable()) return;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        s.stopping = true;
    }
    s.wake.notify_all();
    s.writer.join();
    write_line(s);
    std::fclose(s.file);
    s.file = nullptr;
}

void start_stats_log_from_environment() {
    const char* path = std::getenv("ORVESSA_STATS");
    if (!path || !*path) return;
    int period_ms = 1000;
    if (const char* period = std::getenv("ORVESSA_STATS_PERIOD_MS")) {
        int asked = std::atoi(period);
        if (asked > 0) period_ms = asked;
    }
    start_stats_log(path, period_ms);
}
