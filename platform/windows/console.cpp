// A program of Windows' GUI subsystem starts without a console, and without
// standard streams unless its caller redirected them.
#include "platform/process.h"
#include "platform/windows/windows.h"

#include <cstdio>
#include <windows.h>

namespace platform {
namespace {

bool redirected(DWORD stream) {
    HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void use_parent_console() {
    // Streams the caller redirected (to a file or a pipe) are kept; the
    // console is joined all the same, for its Ctrl+C and closing.
    const bool keep_out = redirected(STD_OUTPUT_HANDLE);
    const bool keep_err = redirected(STD_ERROR_HANDLE);
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!keep_out) std::freopen("CONOUT$", "w", stdout);
    if (!keep_err) std::freopen("CONOUT$", "w", stderr);
}

void show_error_box(const std::string& title, const std::string& text) {
    MessageBoxW(nullptr, detail::widen(text).c_str(), detail::widen(title).c_str(),
                MB_OK | MB_ICONERROR);
}

} // namespace platform
