// The program's place in emscripten's file system, laid out as an installed
// game: the program in /usr/games/, the characters packed with the page into
// /usr/share/games/orvessa/chars/, and the player's folder
// (~/.local/share/orvessa/) kept in the browser's storage by the page.
#include "platform/platform.h"

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string program_folder() {
    return "/usr/games/";
}

bool enter_program_folder() {
    mkdir("/usr", 0755);
    mkdir("/usr/games", 0755);
    return chdir("/usr/games") == 0;
}

} // namespace platform
