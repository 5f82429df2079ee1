#include "system/event.h"

#include "system/runtime_error.h"

#include <vector>

namespace {

struct Hook {
    HookFunction function;
    void* context;
    int priority;
};

struct HookLists {
    std::vector<Hook> lists[256]; // index = hook id; 0 unused
    int last_id = 0;
    int emit_id = 0;
};

HookLists& hooks() {
    static auto* all = new HookLists;
    return *all;
}

} // namespace

const char* event_name(int id) {
    switch (id) {
    case EVENT_APP_SUSPEND: return "AppSuspend";
    case EVENT_APP_RESUME: return "AppResume";
    case EVENT_APP_TERMINATE: return "AppTerminate";
    case EVENT_KEY_DOWN: return "KeyDown";
    case EVENT_KEY_UP: return "KeyUp";
    case EVENT_KEY_CHAR: return "KeyChar";
    case EVENT_MOUSE_DOWN: return "MouseDown";
    case EVENT_MOUSE_UP: return "MouseUp";
    case EVENT_MOUSE_MOVE: return "MouseMove";
    case EVENT_MOUSE_WHEEL: return "MouseWheel";
    case EVENT_MOUSE_ENTER: return "MouseEnter";
    case EVENT_MOUSE_LEAVE: return "MouseLeave";
    case EVENT_TIMER_TICK: return "TimerTick";
    default: return "Unknown";
    }
}

EventRef create_event(int id, std::shared_ptr<void> source, std::int32_t data, std::int32_t mods,
                      std::int32_t x, std::int32_t y, std::shared_ptr<void> extra) {
    auto event = std::make_shared<TEvent>();
    event->id = id;
    event->source = std::move(source);
    event->data = data;
    event->mods = mods;
    event->x = x;
    event->y = y;
    event->extra = std::move(extra);
    return event;
}

int allocate_hook_id() {
    HookLists& all = hooks();
    if (all.last_id >= 255) raise_runtime_error("Too many hook ids");
    return ++all.last_id;
}

void add_hook(int hook_id, HookFunction function, void* context, int priority) {
    if (hook_id <= 0 || hook_id > 255) return;
    std::vector<Hook>& list = hooks().lists[hook_id];
    auto at = list.begin();
    while (at != list.end() && at->priority >= priority) ++at;
    list.insert(at, Hook{function, context, priority});
}

void remove_hook(int hook_id, HookFunction function, void* context) {
    if (hook_id <= 0 || hook_id > 255) return;
    std::vector<Hook>& list = hooks().lists[hook_id];
    for (auto at = list.begin(); at != list.end(); ++at) {
        if (at->function == function && at->context == context) {
            list.erase(at);
            return;
        }
    }
}

EventRef run_hooks(int hook_id, EventRef event) {
    if (hook_id <= 0 || hook_id > 255) return event;
    // A copy, so hooks may add or remove hooks while the list runs.
    std::vector<Hook> list = hooks().lists[hook_id];
    for (const Hook& hook : list) event = hook.function(hook_id, std::move(event), hook.context);
    return event;
}

int emit_event_hook_id() {
    HookLists& all = hooks();
    if (all.emit_id == 0) all.emit_id = allocate_hook_id();
    return all.emit_id;
}

EventRef emit_event(EventRef event) { return run_hooks(emit_event_hook_id(), std::move(event)); }
