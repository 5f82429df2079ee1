#include "system/event.h"
#include "system/runtime_error.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string trace;

EventRef mark(int, EventRef event, void* context) {
    trace += static_cast<const char*>(context);
    return event;
}

EventRef swallow(int, EventRef, void*) {
    trace += "x";
    return nullptr;
}

} // namespace

TEST(Hooks, RunByPriorityNewcomersAfterTheirEquals) {
    int id = allocate_hook_id();
    add_hook(id, mark, const_cast<char*>("a"), 0);
    add_hook(id, mark, const_cast<char*>("b"), 10);
    add_hook(id, mark, const_cast<char*>("c"), 0);
    add_hook(id, mark, const_cast<char*>("d"), 10);
    add_hook(id, mark, const_cast<char*>("e"), -5);
    trace.clear();
    EventRef event = create_event(EVENT_KEY_DOWN, nullptr, 65, 0, 0, 0);
    EXPECT_EQ(run_hooks(id, event), event);
    EXPECT_EQ(trace, "bdace");

    remove_hook(id, mark, const_cast<char*>("d"));
    trace.clear();
    run_hooks(id, event);
    EXPECT_EQ(trace, "bace");
}

TEST(Hooks, AHookMayReplaceTheEventForTheRest) {
    int id = allocate_hook_id();
    add_hook(id, swallow, nullptr, 5);
    add_hook(id, mark, const_cast<char*>("m"), 0);
    trace.clear();
    EXPECT_EQ(run_hooks(id, create_event(EVENT_KEY_UP, nullptr, 1, 0, 0, 0)), nullptr);
    EXPECT_EQ(trace, "xm");
}

TEST(Hooks, IdsRunOutAfter255) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            try {
                for (;;) allocate_hook_id();
            } catch (const TRuntimeError& error) {
                std::exit(std::string(error.what()) == "Too many hook ids" ? 7 : 1);
            }
        },
        testing::ExitedWithCode(7), "");
}

TEST(Events, NamesAndFields) {
    EXPECT_STREQ(event_name(EVENT_KEY_DOWN), "KeyDown");
    EXPECT_STREQ(event_name(EVENT_TIMER_TICK), "TimerTick");
    EXPECT_STREQ(event_name(EVENT_APP_TERMINATE), "AppTerminate");
    EXPECT_STREQ(event_name(EVENT_MOUSE_LEAVE), "MouseLeave");
    EXPECT_STREQ(event_name(1), "Unknown");
    auto source = std::make_shared<int>(3);
    EventRef event = create_event(EVENT_MOUSE_MOVE, source, 1, 2, 3, 4);
    EXPECT_EQ(event->id, 1027);
    EXPECT_EQ(event->source, source);
    EXPECT_EQ(event->mods, 2);
    EXPECT_EQ(event->y, 4);
}
