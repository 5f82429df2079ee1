#include "tests/fuzz/fuzz_input.h"

#include "tests/support/recording_render_driver.h"

#include <csignal>

TRecordingRenderDriver& fuzz_display() {
    // Kept for the whole run, like the game's display.
    static auto* scope = [] {
        // Opening a display makes SIGINT and SIGTERM ask the game to quit,
        // which a harness never looks at: give them back to the fuzzer, so
        // that Ctrl-C and kill still stop it.
        struct sigaction interrupt {};
        struct sigaction terminate {};
        sigaction(SIGINT, nullptr, &interrupt);
        sigaction(SIGTERM, nullptr, &terminate);
        auto* made = new TRecordingRenderDriver::Scope();
        made->driver().recording = false;
        sigaction(SIGINT, &interrupt, nullptr);
        sigaction(SIGTERM, &terminate, nullptr);
        return made;
    }();
    return scope->driver();
}
