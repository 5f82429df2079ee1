#include "system/game_files.h"

#include "platform/platform.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

#ifndef ORVESSA_DATA_FROM_PROGRAM
#define ORVESSA_DATA_FROM_PROGRAM "../share/games/orvessa"
#endif

namespace {

GameFileLayout& layout_in_use() {
    static auto* layout = new GameFileLayout;
    return *layout;
}

bool exists(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

bool is_folder(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The game names its files with either separator ("chars\\face01.png");
// they are looked up by the same name whichever it used.
std::string with_slashes(std::string name) {
    for (char& c : name)
        if (c == '\\') c = '/';
    return name;
}

bool is_relative(const std::string& name) {
    return !name.empty() && name[0] != '/';
}

// Only absolute values count: the XDG base directory rules say a relative
// one is to be ignored, and a relative HOME would move with the working
// folder.
bool usable(const char* value) {
    return value && value[0] == '/';
}

std::string without_trailing_slashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path == "/" ? "" : path;
}

std::string player_folder_from(const char* xdg_data_home, const char* home) {
    if (usable(xdg_data_home)) return without_trailing_slashes(xdg_data_home) + "/orvessa/";
    if (usable(home)) return without_trailing_slashes(home) + "/.local/share/orvessa/";
    return {};
}

// "/usr/games/../share/games/orvessa" reads better as "/usr/share/games/orvessa"
// wherever the player is told about it.
std::string full_folder(const std::string& path) {
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved)) return path + "/";
    std::string folder = resolved;
    return folder.back() == '/' ? folder : folder + "/";
}

// Makes each missing folder on the way to `folder` (absolute, ending in '/')
// with mode 0700, as the XDG base directory rules ask for.
bool make_folders(const std::string& folder, std::string* why) {
    for (size_t at = folder.find('/', 1); at != std::string::npos; at = folder.find('/', at + 1)) {
        std::string part = folder.substr(0, at);
        if (is_folder(part)) continue;
        if (mkdir(part.c_str(), 0700) != 0 && !is_folder(part)) {
            if (why) *why = "cannot make the folder " + part + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

} // namespace

GameFileLayout find_game_file_layout(const std::string& program_folder, const char* xdg_data_home,
                                     const char* home) {
    GameFileLayout layout;
    layout.program_folder = program_folder;
    std::string installed = program_folder + ORVESSA_DATA_FROM_PROGRAM;
    if (program_folder.empty() || is_folder(program_folder + "chars") || !is_folder(installed))
        return layout;
    layout.installed = true;
    layout.installed_folder = full_folder(installed);
    layout.player_folder = player_folder_from(xdg_data_home, home);
    return layout;
}

void choose_game_file_layout() {
    use_game_file_layout(find_game_file_layout(platform::program_folder(),
                                               std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
}

void use_game_file_layout(const GameFileLayout& layout) {
    layout_in_use() = layout;
}
const GameFileLayout& game_file_layout() {
    return layout_in_use();
}

std::string file_to_read(const std::string& given) {
    const std::string name = with_slashes(given);
    const GameFileLayout& layout = layout_in_use();
    if (!layout.installed || !is_relative(name)) return name;
    if (!layout.player_folder.empty() && exists(layout.player_folder + name))
        return layout.player_folder + name;
    return layout.installed_folder + name;
}

std::string file_to_write(const std::string& given, std::string* why) {
    const std::string name = with_slashes(given);
    const GameFileLayout& layout = layout_in_use();
    if (!layout.installed || !is_relative(name)) return name;
    if (layout.player_folder.empty()) {
        if (why) *why = "no folder for the player's files: neither XDG_DATA_HOME nor HOME is set";
        return {};
    }
    std::string path = layout.player_folder + name;
    return make_folders(path.substr(0, path.rfind('/') + 1), why) ? path : std::string();
}

std::string folder_written() {
    const GameFileLayout& layout = layout_in_use();
    return layout.installed ? layout.player_folder : layout.program_folder;
}

std::vector<std::string> folders_read() {
    const GameFileLayout& layout = layout_in_use();
    if (!layout.installed) return {layout.program_folder};
    if (layout.player_folder.empty()) return {layout.installed_folder};
    return {layout.player_folder, layout.installed_folder};
}
