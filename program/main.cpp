// The program entry: start the library layer, run the game, end cleanly.
// A runtime error of the library layer ends the program with its message on
// standard error and exit status 255.
#include "audio/startup.h"
#include "graphics/startup.h"
#include "input/startup.h"
#include "platform/platform.h"
#include "platform/process.h"
#include "program/command_line.h"
#include "program/main_program.h"
#include "program/stats_log.h"
#include "system/runtime_error.h"
#include "system/startup.h"

#include <cstdio>

int main(int argc, char** argv) {
    platform::use_parent_console();
    platform::tune_memory_for_big_blocks();
    const CommandLine line = parse_command_line(argc, argv);
    if (!line.error.empty()) {
        std::fprintf(stderr, "orvessa: %s\n%s", line.error.c_str(), usage_text().c_str());
        return 2;
    }
    if (line.help || line.version) {
        std::fputs(line.help ? help_text().c_str() : "orvessa 1.0\n", stdout);
        return 0;
    }
    platform::set_presentation({line.fullscreen, line.scale});
    // Before the folder changes, so that a relative log path means what the
    // caller meant.
    start_stats_log_from_environment();
    platform::enter_program_folder();
    int status = 0;
    try {
        system_startup();
        input_startup();
        graphics_startup();
        audio_startup();
        status = main_program();
    } catch (const TRuntimeError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        status = 255;
    }
    run_exit_hooks();
    return status;
}
