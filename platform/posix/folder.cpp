// The program works from its own folder, so "scores.dat" and "chars/" are
// found beside the executable whatever folder it was started from (an
// installed game looks elsewhere: system/game_files.h).
#include "platform/platform.h"

#include <climits>
#include <unistd.h>

namespace platform {

std::string program_folder() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    std::string folder(path, static_cast<size_t>(n));
    for (char& c : folder)
        if (c == '\\') c = '/';
    size_t cut = folder.rfind('/');
    if (cut == std::string::npos) return {};
    folder.resize(cut + 1);
    return folder;
}

bool enter_program_folder() {
    std::string folder = program_folder();
    return !folder.empty() && chdir(folder.c_str()) == 0;
}

} // namespace platform
