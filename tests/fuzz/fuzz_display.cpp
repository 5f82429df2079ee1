#include "tests/fuzz/fuzz_input.h"

#include "tests/support/recording_render_driver.h"

TRecordingRenderDriver& fuzz_display() {
    // Kept for the whole run, like the game's display.
    static auto* scope = [] {
        auto* made = new TRecordingRenderDriver::Scope();
        made->driver().recording = false;
        return made;
    }();
    return scope->driver();
}
