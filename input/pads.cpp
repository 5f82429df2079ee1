// Pad presses into the key presses they stand for.
#include "input/pads.h"
#include "input/key_codes.h"
#include "input/key_tests.h"
#include "input/polled_state.h"

namespace {

PadKeysSource keys_source = nullptr;
const TKeyTests* screen_tests = nullptr;

PadKeys keys_now() {
    if (screen_tests) return screen_tests->pad_keys();
    return keys_source ? keys_source() : PadKeys{};
}

bool types_character(int code) {
    return code == key::backspace || code == key::tab || code == key::enter || code == key::escape;
}

void emit_from_pad(int id, int key) {
    emit_event(create_event(id, pad_source(), key, 0, 0, 0));
}

} // namespace

void set_pad_keys(PadKeysSource source) {
    keys_source = source;
    screen_tests = nullptr;
    if (source) platform::start_pads();
}

void set_pad_keys(const TKeyTests& tests) {
    keys_source = nullptr;
    screen_tests = &tests;
    platform::start_pads();
}

const std::shared_ptr<void>& pad_source() {
    static const std::shared_ptr<void> source = std::make_shared<char>();
    return source;
}

void press_pad_control(int control) {
    if (control < 0 || control >= platform::pad_control_count) return;
    const int key = keys_now().keys[control];
    if (key < 1 || key > 255) return;
    emit_from_pad(EVENT_KEY_DOWN, key);
    if (types_character(key)) emit_from_pad(EVENT_KEY_CHAR, key);
}

bool pads_end_key_waits() {
    return keys_now().ends_key_waits;
}
