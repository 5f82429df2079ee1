// Keyboard queries over the polled state.
#include "input/input.h"
#include "input/polled_state.h"

#include "system/messages.h"

#include <algorithm>
#include <iterator>

namespace {

bool is_index(int key) {
    return key >= 0 && key <= 255;
}

// The lowest key hit, its hits taken; 0 when none.
int take_lowest_hit(PolledInput& input, bool pads_count) {
    for (int key = 1; key <= 255; ++key) {
        if (input.key_hits[key] == 0 && (!pads_count || input.pad_hits[key] == 0)) continue;
        input.key_hits[key] = 0;
        if (pads_count) input.pad_hits[key] = 0;
        return key;
    }
    return 0;
}

} // namespace

int key_hit(int key) {
    poll_if_automatic();
    if (!is_index(key)) return 0;
    PolledInput& input = polled_input();
    const int hits = input.key_hits[key] + input.pad_hits[key];
    input.key_hits[key] = 0;
    input.pad_hits[key] = 0;
    return hits;
}

int key_down(int key) {
    poll_if_automatic();
    if (!is_index(key)) return 0;
    return polled_input().key_states[key];
}

int get_char() {
    poll_if_automatic();
    PolledInput& input = polled_input();
    if (input.char_put == input.char_get) return 0;
    const int code = input.char_queue[input.char_get % 256];
    ++input.char_get;
    return code;
}

void flush_keys() {
    pump_messages();
    clear_keys(polled_input());
}

// Blocks in the system wait, so it must not be called from inside a hook,
// where nothing new can be dispatched.
int wait_key() {
    flush_keys();
    const bool pads_count = pads_end_key_waits();
    for (;;) {
        wait_messages();
        PolledInput& input = polled_input();
        if (const int key = take_lowest_hit(input, pads_count)) {
            // Pad presses that this wait passed by must not act after it.
            if (!pads_count) std::fill(std::begin(input.pad_hits), std::end(input.pad_hits), 0);
            return key;
        }
    }
}

int wait_char() {
    flush_keys();
    for (;;) {
        wait_messages();
        if (const int code = get_char()) return code;
    }
}
