#include "system/startup.h"

#include "platform/platform.h"
#include "platform/process.h"
#include "system/game_files.h"
#include "system/timer.h"

#include <vector>

void register_incbin_protocol(); // embedded.cpp

namespace {

bool started = false;

std::vector<void (*)()>& exit_hooks() {
    static auto* hooks = new std::vector<void (*)()>;
    return *hooks;
}

} // namespace

void system_startup() {
    if (started) return;
    started = true;
    platform::request_fine_timer_resolution();
    register_incbin_protocol();
    install_timer_ticks();
    choose_game_file_layout();
}

void add_exit_hook(void (*hook)()) {
    exit_hooks().push_back(hook);
}

void run_exit_hooks() {
    auto& hooks = exit_hooks();
    while (!hooks.empty()) {
        void (*hook)() = hooks.back();
        hooks.pop_back();
        hook();
    }
    platform::shutdown();
}
