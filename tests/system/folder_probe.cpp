// Starts like the game, then reports its working folder and the first line of
// "beside.txt" from there.
#include "platform/platform.h"
#include "system/startup.h"
#include "system/streams.h"

#include <cstdio>
#include <unistd.h>

int main() {
    platform::enter_program_folder();
    system_startup();
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd)) return 2;
    StreamRef beside = open_read_stream("beside.txt");
    std::printf("%s\n%s\n", cwd, beside ? read_line(beside).c_str() : "(none)");
    return 0;
}
