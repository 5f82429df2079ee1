// Opens a real window on the X display in $DISPLAY, drives it with xdotool and
// xte as a player would, and prints what the polled state saw, one
// "name value" per line. Run by window_test on a private Xvfb.
#include "input/input.h"
#include "input/startup.h"
#include "platform/internal.h"
#include "platform/posix/posix.h"
#include "system/messages.h"
#include "system/startup.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const title = "orvessa input probe";

// Runs a command of the X tools, then lets its events arrive and be dispatched.
bool drive(const std::string& command) {
    const bool ran = std::system(command.c_str()) == 0;
    const std::int32_t start = clock_ms();
    while (clock_difference(clock_ms(), start) < 250) {
        pump_messages();
        delay(5);
    }
    if (!ran) std::printf("failed %s\n", command.c_str());
    return ran;
}

void report(const char* name, int value) {
    std::printf("%s %d\n", name, value);
}

void report_chars(const char* name) {
    std::string codes;
    while (const int code = get_char()) codes += (codes.empty() ? "" : ",") + std::to_string(code);
    std::printf("%s %s\n", name, codes.empty() ? "none" : codes.c_str());
}

} // namespace

int main() {
    system_startup();
    input_startup();
    platform::set_window_title(title);
    platform::Window* window = platform::open_window(platform::WindowSpec{});
    if (!window) {
        std::printf("window none\n");
        return 1;
    }
    enable_polled_input();
    const std::string find = std::string("xdotool search --sync --name '") + title + "' ";
    if (!drive(find + "windowfocus --sync %1 mousemove --window %1 320 240")) return 1;
    flush_keys();
    flush_mouse();

    drive("xdotool type --delay 30 aB");
    report("hit_a", key_hit(65));
    report("hit_b", key_hit(66));
    report("hit_shift_left", key_hit(160));
    report_chars("typed");

    drive("xdotool key --delay 30 Return BackSpace minus equal");
    report("hit_enter", key_hit(13));
    report("hit_backspace", key_hit(8));
    report("hit_minus", key_hit(189));
    report("hit_equals", key_hit(187));
    report_chars("control_typed");

    drive("xte 'keydown Shift_R' 'keyup Shift_R'");
    report("hit_shift_right", key_hit(161));
    report("hit_shift_left_after_right", key_hit(160));
    report("hit_shift_generic", key_hit(16));

    drive(find + "mousemove --window %1 50 60 click 1");
    report("mouse_hit_left", mouse_hit(1));
    report("key_hit_1", key_hit(1));
    report("mouse_x", mouse_x());
    report("mouse_y", mouse_y());

    // A key press wakes a blocked wait also where the window system's
    // connection cannot be watched, as on drivers other than X11.
    platform::detail::stop_watching_window_connection();
    flush_keys();
    const bool pressed = std::system("(sleep 0.3; xdotool key c) &") == 0;
    const std::int32_t before = clock_ms();
    report("waited_key", pressed ? wait_key() : 0);
    report("waited_under_2s", clock_difference(clock_ms(), before) < 2000);

    disable_polled_input();
    platform::close_window(window);
    run_exit_hooks();
    return 0;
}
