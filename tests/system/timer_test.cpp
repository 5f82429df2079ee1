#include "platform/platform.h"
#include "system/event.h"
#include "system/messages.h"
#include "system/timer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

double cpu_seconds() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int ticks_seen = 0;
std::shared_ptr<void> last_source;

EventRef count_ticks(int, EventRef event, void*) {
    if (event && event->id == EVENT_TIMER_TICK) {
        ++ticks_seen;
        last_source = event->source;
    }
    return event;
}

} // namespace

TEST(Timer, SixtyHertzTicksEverySixteenMilliseconds) {
    TimerRef timer = create_timer(60.0f);
    EXPECT_EQ(timer->period_ms, 16);
    EXPECT_NE(timer->system_timer_id, 0);
    wait_timer(timer);
    std::int32_t start = clock_ms();
    std::int32_t first = timer_ticks(timer);
    while (clock_ms() - start < 1000) wait_timer(timer);
    int ticks = timer_ticks(timer) - first;
    EXPECT_GE(ticks, 62);
    EXPECT_LE(ticks, 64);
    stop_timer(timer);
}

TEST(Timer, MissedTicksAreCountedNotMadeUp) {
    TimerRef timer = create_timer(60.0f);
    EXPECT_EQ(wait_timer(timer), 1);
    delay(50); // busy elsewhere, nothing polled
    std::int32_t before = clock_ms();
    EXPECT_EQ(wait_timer(timer), 3);
    EXPECT_LE(clock_ms() - before, 3) << "ticks already queued: no waiting";
    before = clock_ms();
    EXPECT_EQ(wait_timer(timer), 1);
    EXPECT_GE(clock_ms() - before, 8) << "the next wait blocks for a fresh tick";
    stop_timer(timer);
}

TEST(Timer, TicksAreEmittedAsEventsFromTheTimer) {
    add_hook(emit_event_hook_id(), count_ticks, nullptr, 0);
    ticks_seen = 0;
    TimerRef timer = create_timer(100.0f);
    for (int i = 0; i < 5; ++i) wait_timer(timer);
    EXPECT_EQ(ticks_seen, timer_ticks(timer));
    EXPECT_EQ(last_source.get(), timer.get());
    stop_timer(timer);
    last_source.reset();

    auto own = create_event(4242, nullptr, 0, 0, 0, 0);
    TimerRef custom = create_timer(100.0f, own);
    ticks_seen = 0;
    wait_timer(custom);
    EXPECT_EQ(ticks_seen, 0) << "a timer with its own event emits that event";
    stop_timer(custom);
    remove_hook(emit_event_hook_id(), count_ticks, nullptr);
}

TEST(Timer, StoppedTimersStopTickingAndDoNotBlock) {
    TimerRef timer = create_timer(60.0f);
    wait_timer(timer);
    stop_timer(timer);
    EXPECT_EQ(timer->system_timer_id, 0);
    EXPECT_EQ(timer->keep_alive, nullptr);
    wait_timer(timer); // counts whatever was still on its way
    std::int32_t ticks = timer_ticks(timer);
    EXPECT_EQ(wait_timer(timer), 0);

    // A tick still queued when the timer stopped is counted, and the wait
    // returns at once: nothing will come after it.
    TimerRef queued = create_timer(100.0f);
    wait_timer(queued);
    delay(25); // a tick arrives, unseen
    stop_timer(queued);
    std::int32_t before = clock_ms();
    EXPECT_GE(wait_timer(queued), 1);
    EXPECT_LT(clock_ms() - before, 100);
    delay(60);
    pump_messages();
    EXPECT_EQ(timer_ticks(timer), ticks);
    EXPECT_EQ(wait_timer(timer), 0);
    stop_timer(timer); // twice is harmless
}

TEST(Timer, ARunningTimerKeepsItselfAlive) {
    std::weak_ptr<TTickTimer> weak;
    {
        TimerRef timer = create_timer(50.0f);
        weak = timer;
    }
    delay(50);
    pump_messages();
    TimerRef again = weak.lock();
    ASSERT_TRUE(again);
    EXPECT_GT(again->tick_count, 0);
    stop_timer(again);
    again.reset();
    EXPECT_TRUE(weak.expired());
    delay(30);
    pump_messages(); // ticks for a timer that is gone are dropped
}

TEST(Timer, WaitingDoesNotSpin) {
    TimerRef timer = create_timer(60.0f);
    wait_timer(timer);
    double cpu_before = cpu_seconds();
    std::int32_t start = clock_ms();
    while (clock_ms() - start < 1000) wait_timer(timer);
    double used = cpu_seconds() - cpu_before;
    EXPECT_LT(used, 0.1) << "a second of waiting used " << used << " s of CPU";
    stop_timer(timer);
}

TEST(Messages, PostedNoticesWakeAWaitAndClockAdvances) {
    std::int32_t start = clock_ms();
    delay(20);
    std::int32_t slept = clock_ms() - start;
    EXPECT_GE(slept, 20);
    EXPECT_LT(slept, 200);
    // Spans are counted as the clock wraps, also across 2^31 and 2^32.
    EXPECT_EQ(clock_difference(INT32_MIN + 5, INT32_MAX - 4), 10);
    EXPECT_EQ(clock_difference(3, -7), 10);
    EXPECT_EQ(clock_difference(-7, 3), -10);
    platform::post_notice(0); // no timer has serial 0
    wait_messages();          // returns: something was waiting
    EXPECT_EQ(platform::pending_notices(), 0);
}
