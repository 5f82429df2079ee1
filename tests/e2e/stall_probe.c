/* Measures how long this machine leaves an urgent thread waiting: wakes every
 * 5 ms (at the real-time priority the program's sound mixing thread asks
 * for, when allowed) and records how late each wake-up came. Rewrites the
 * file named by its argument once a second with two numbers: the worst
 * lateness so far and the count of wake-ups more than 40 ms late, both in
 * microseconds and units. A sound ring that is mixed about 46 ms ahead of
 * play cannot survive a stall longer than that, whatever the program does.
 * Runs until killed. */
#define _GNU_SOURCE
#include <pthread.h>
#include <sched.h>
#include <stdio.h>
#include <time.h>

static long long now_us(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000LL + t.tv_nsec / 1000;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: stall_probe <output file>\n");
        return 2;
    }
    struct sched_param param = {.sched_priority = sched_get_priority_min(SCHED_RR) + 9};
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);
    long long worst = 0, stalls = 0, next = now_us(), last_report = next;
    for (;;) {
        next += 5000;
        struct timespec at = {.tv_sec = next / 1000000, .tv_nsec = (next % 1000000) * 1000};
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, NULL);
        long long now = now_us(), late = now - next;
        if (late > worst) worst = late;
        if (late > 40000) ++stalls;
        if (late > 1000000) next = now;
        if (now - last_report >= 1000000) {
            last_report = now;
            FILE* out = fopen(argv[1], "w");
            if (out) {
                fprintf(out, "%lld %lld\n", worst, stalls);
                fclose(out);
            }
        }
    }
}
