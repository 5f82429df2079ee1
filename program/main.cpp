// The program entry: start the library layer, run the game, end cleanly.
// A runtime error of the library layer ends the program with its message on
// standard error and exit status 255.
#include "audio/startup.h"
#include "graphics/startup.h"
#include "input/startup.h"
#include "platform/platform.h"
#include "program/command_line.h"
#include "program/main_program.h"
#include "program/stats_log.h"
#include "system/runtime_error.h"
#include "system/startup.h"

#include <cstdio>
#include <malloc.h>

int main(int argc, char** argv) {
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
#ifdef __GLIBC__
    // Big blocks (decoded music, full-screen pictures and textures) come
    // and go with every game. Left to itself, glibc raises its threshold for
    // mapping such blocks on their own each time one is freed, and later
    // ones then land in the heap, whose freed holes it keeps: the process
    // grew by 20 MB or more each game. A fixed threshold maps them
    // separately and hands them back whole when freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    // The software rasteriser takes and frees its drawing lists every frame.
    // Handing the heap's top back each time and taking it again costs page
    // faults and, with its threads on other cores, flushes of their address
    // caches: a frame's worth stays.
    mallopt(M_TRIM_THRESHOLD, 16 * 1024 * 1024);
#endif
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
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        status = 255;
    }
    run_exit_hooks();
    return status;
}
