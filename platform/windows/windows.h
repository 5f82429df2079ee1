// Shared between the Windows files of the platform layer.
#pragma once

#include <string>

namespace platform::detail {

// Text as the game keeps it (UTF-8) and as Windows' wide calls take it
// (UTF-16). Invalid sequences become U+FFFD.
std::wstring widen(const std::string& text);
std::string narrow(const std::wstring& text);

// A path for the wide calls: UTF-16, with '\' between folders.
std::wstring system_path(const std::string& path);

// Windows' own description of an error code (GetLastError()), in UTF-8,
// without the closing full stop and line end.
std::string error_text(unsigned long code);

} // namespace platform::detail
