// Events and the hook lists they travel along.
//
// An event is emitted by running the hooks of the emit-event hook id, highest
// priority first; each hook may pass the event on, replace it or return Null.
// Input, timers and the display all speak through this one channel.
#pragma once

#include <cstdint>
#include <memory>

enum EventId : int {
    EVENT_APP_SUSPEND = 257,
    EVENT_APP_RESUME = 258,
    EVENT_APP_TERMINATE = 259,
    EVENT_KEY_DOWN = 513,
    EVENT_KEY_UP = 514,
    EVENT_KEY_CHAR = 515,
    EVENT_MOUSE_DOWN = 1025,
    EVENT_MOUSE_UP = 1026,
    EVENT_MOUSE_MOVE = 1027,
    EVENT_MOUSE_WHEEL = 1028,
    EVENT_MOUSE_ENTER = 1029,
    EVENT_MOUSE_LEAVE = 1030,
    EVENT_TIMER_TICK = 2049,
};

struct TEvent {
    int id = 0;
    std::shared_ptr<void> source; // what the event concerns; Null for the game window
    std::int32_t data = 0;
    std::int32_t mods = 0; // 1 Shift, 2 Ctrl, 4 Alt, 8 system key
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::shared_ptr<void> extra;
};

using EventRef = std::shared_ptr<TEvent>;

// "KeyDown", "TimerTick", ...; "Unknown" for ids without a name.
const char* event_name(int id);

EventRef create_event(int id, std::shared_ptr<void> source, std::int32_t data, std::int32_t mods,
                      std::int32_t x, std::int32_t y, std::shared_ptr<void> extra = nullptr);

// A hook receives the hook id, the event (or Null) and its own context, and
// returns the event for the next hook.
using HookFunction = EventRef (*)(int hook_id, EventRef event, void* context);

// A fresh hook id, 1..255. Raises "Too many hook ids" after 255.
int allocate_hook_id();

// Adds a hook after every hook of equal or higher priority.
void add_hook(int hook_id, HookFunction function, void* context, int priority);

// Removes the first hook with this function and context. Safe while the list runs.
void remove_hook(int hook_id, HookFunction function, void* context);

// Runs the list in order, each hook getting what the one before returned.
EventRef run_hooks(int hook_id, EventRef event);

// The hook id on which events are emitted (allocated on first use).
int emit_event_hook_id();

// Runs the emit-event hooks on the event and returns what they leave.
EventRef emit_event(EventRef event);
