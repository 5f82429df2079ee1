#include "system/safe_file.h"

#include "platform/files.h"
#include "system/game_files.h"

bool replace_file(const std::string& name, std::string_view bytes, std::string* why) {
    std::string path = file_to_write(name, why);
    return !path.empty() && platform::replace_file_contents(path, bytes, why);
}
