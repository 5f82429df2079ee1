// The program entry: start the library layer, run the game, end cleanly.
// A runtime error of the library layer ends the program with its message on
// standard error and exit status 255.
#include "game/main_program.h"
#include "platform/platform.h"
#include "system/runtime_error.h"
#include "system/startup.h"

#include <cstdio>

int main() {
    platform::enter_program_folder();
    try {
        system_startup();
        main_program();
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        std::fflush(stderr);
        run_exit_hooks();
        return 255;
    }
    run_exit_hooks();
    return 0;
}
