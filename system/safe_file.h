// Replacing a file so that a crash or power cut at any moment leaves either
// the old content or the new, never a half-written file.
#pragma once

#include <string>
#include <string_view>

// Writes `bytes` to a temporary file beside the file `name` stands for (a
// relative name is placed by file_to_write() of system/game_files.h),
// flushes it to the disk, renames it over the file and flushes the folder.
// On failure the old file is untouched, the temporary file is removed and
// `why` (if given) says what went wrong.
bool replace_file(const std::string& name, std::string_view bytes, std::string* why = nullptr);
