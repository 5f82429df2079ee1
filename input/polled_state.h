// The polled keyboard and mouse state, shared by the files of the input layer
// (and looked at by its tests). One process-wide set, all zero at start-up.
#pragma once

#include "system/event.h"

#include <cstdint>
#include <memory>

struct PolledInput {
    std::int32_t key_states[256] = {}; // 1 while down
    std::int32_t key_hits[256] = {};   // fresh presses not yet collected
    // Pad presses, by the key they stand for: apart from the keyboard's, as
    // no key is held while a button is, and a wait may have to pass them by.
    std::int32_t pad_hits[256] = {};
    std::int32_t char_queue[256] = {};
    // Unsigned so that they may wrap: their difference, and each modulo 256,
    // stay right.
    std::uint32_t char_put = 0;
    std::uint32_t char_get = 0;
    std::int32_t mouse_states[4] = {}; // buttons 1..3; 0 unused
    std::int32_t mouse_hits[4] = {};
    std::int32_t mouse_location[3] = {}; // x, y, wheel
    std::int32_t app_suspended = 0;
    std::int32_t app_terminate_requested = 0;
    std::int32_t auto_poll = 1;         // every query dispatches queued events first
    std::shared_ptr<void> input_source; // when set, only its events count
};

PolledInput& polled_input();

// The hook on the emit-event chain that keeps the state; passes every event on.
EventRef polled_input_hook(int hook_id, EventRef event, void* context);

// Forget keys or mouse buttons without dispatching anything (safe in a hook).
void clear_keys(PolledInput& input);
void clear_mouse(PolledInput& input);

// Dispatches what is queued when auto_poll is on.
void poll_if_automatic();

// What key events from pads carry as their source.
const std::shared_ptr<void>& pad_source();
// Emits the key press a pad's control stands for now, if any.
void press_pad_control(int control);
// Whether wait_key takes pad presses now.
bool pads_end_key_waits();
