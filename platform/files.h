// The file system, as the game's own files need it.
//
// Paths are UTF-8 text with '/' between folders; each system's own form of
// a path (wide text on Windows, where '\' also separates folders) is made
// here. Relative paths are taken from the working folder.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

enum class FileKind { Missing, Regular, Folder, Other };

// What lies at `path`, following links. Devices, pipes and anything else
// that is neither a regular file nor a folder are Other; a path the system
// cannot look at is Missing. On Windows a drive alone ("C:") or a drive with
// a path relative to it ("C:chars") means the drive's root folder.
FileKind file_kind(const std::string& path);

// Opens a regular file as a C file: read and write ("r+b", it must exist),
// write only ("wb", made or emptied) or read only ("rb"). Anything else at
// the path (a folder, a pipe, a device such as /dev/null or NUL) gives null
// without waiting on it, and nothing is emptied before it is known to be a
// regular file.
std::FILE* open_regular_file(const std::string& path, bool readable, bool writeable);

// Writes `bytes` to the regular file at `path` so that a crash or power cut
// at any moment leaves either the old content or the new, never a mixture:
// a temporary file beside it ("<path>.new") is written and flushed to the
// disk, then put in the file's place, and that change flushed too. On
// failure the old file is untouched, the temporary file is removed and
// `why` (if given) says what went wrong.
bool replace_file_contents(const std::string& path, std::string_view bytes, std::string* why);

// Makes one folder, private to its user where the system has such modes
// (0700). True when made; otherwise `why` (if given) has the system's reason.
bool make_folder(const std::string& path, std::string* why);

// Whether `path` names the same file from any working folder: it starts at
// the root ('/'), or on Windows also with '\\' or a drive ("C:").
bool is_absolute_path(const std::string& path);

// The absolute form of an existing path, with "." and ".." (and, where the
// system resolves them so, links) taken out; empty when it cannot be had.
std::string full_path(const std::string& path);

// Whether a new file can be made in `folder` now: tries, and removes what it
// made. A read-only share, or a folder the user may not write in, says no.
bool folder_accepts_new_files(const std::string& folder);

// Where this system keeps each user's own application data that travels
// with them (Windows' roaming "AppData" folder, %APPDATA%), with '/'
// between folders and no trailing '/'. Empty on systems without one (Linux follows the XDG rules
// instead, from the environment).
std::string roaming_data_folder();

} // namespace platform
