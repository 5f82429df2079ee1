#include "tests/input/input_fixture.h"

#include "input/input.h"
#include "input/startup.h"
#include "platform/platform.h"

void InputTest::SetUpTestSuite() {
    input_startup();
    // One window for the whole program, as the game has; the exit hooks close it.
    static platform::Window* window = platform::open_window(platform::WindowSpec{});
    ASSERT_NE(window, nullptr) << "no window could be opened";
    enable_polled_input();
}

void InputTest::SetUp() {
    flush_keys();
    flush_mouse();
    app_terminate();
}

EventRecorder::EventRecorder() {
    add_hook(emit_event_hook_id(), record, this, -1);
}

EventRecorder::~EventRecorder() {
    remove_hook(emit_event_hook_id(), record, this);
}

EventRef EventRecorder::record(int, EventRef event, void* context) {
    if (event)
        static_cast<EventRecorder*>(context)->events.push_back(
            Seen{event->id, event->data, event->mods, event->x, event->y});
    return event;
}

std::vector<int> EventRecorder::data_of(int id) const {
    std::vector<int> data;
    for (const Seen& seen : events)
        if (seen.id == id) data.push_back(seen.data);
    return data;
}

std::vector<int> EventRecorder::ids() const {
    std::vector<int> found;
    for (const Seen& seen : events) found.push_back(seen.id);
    return found;
}
