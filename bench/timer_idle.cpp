// How much CPU a frame loop costs while it only waits: 10 s of wait_timer at
// 60 Hz. Prints ticks, wall time and CPU time.
#include "system/messages.h"
#include "system/startup.h"
#include "system/timer.h"

#include <cstdio>
#include <sys/resource.h>

static double cpu_seconds() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int main() {
    system_startup();
    TimerRef timer = create_timer(60.0f);
    wait_timer(timer);
    double cpu = cpu_seconds();
    std::int32_t start = clock_ms();
    int frames = 0;
    while (clock_difference(clock_ms(), start) < 10000) {
        wait_timer(timer);
        ++frames;
    }
    double used = cpu_seconds() - cpu;
    double wall = clock_difference(clock_ms(), start) / 1000.0;
    std::printf("frames %d in %.3f s (%.2f/s); CPU %.4f s = %.3f%% of one core\n", frames, wall,
                frames / wall, used, 100.0 * used / wall);
    run_exit_hooks();
    return 0;
}
