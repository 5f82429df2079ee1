// The program works from its own folder, so "scores.dat" and "chars/" are
// found beside the executable whatever folder it was started from (an
// installed game keeps the scores elsewhere: system/game_files.h).
#include "platform/platform.h"
#include "platform/windows/windows.h"

#include <windows.h>

namespace platform {

std::string program_folder() {
    // Paths may be longer than MAX_PATH; the buffer grows until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::string folder = detail::narrow(path);
    for (char& c : folder)
        if (c == '\\') c = '/';
    size_t cut = folder.rfind('/');
    if (cut == std::string::npos) return {};
    folder.resize(cut + 1);
    return folder;
}

bool enter_program_folder() {
    std::string folder = program_folder();
    return !folder.empty() && SetCurrentDirectoryW(detail::system_path(folder).c_str()) != 0;
}

} // namespace platform
