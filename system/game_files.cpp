#include "system/game_files.h"

#include "platform/files.h"
#include "platform/platform.h"

#include <cstdlib>

#ifndef ORVESSA_DATA_FROM_PROGRAM
#define ORVESSA_DATA_FROM_PROGRAM "../share/games/orvessa"
#endif

namespace {

GameFileLayout& layout_in_use() {
    static auto* layout = new GameFileLayout;
    return *layout;
}

bool exists(const std::string& path) {
    return platform::file_kind(path) != platform::FileKind::Missing;
}

bool is_folder(const std::string& path) {
    return platform::file_kind(path) == platform::FileKind::Folder;
}

// The game names its files with either separator ("chars\\face01.png");
// they are looked up by the same name whichever it used.
std::string with_slashes(std::string name) {
    for (char& c : name)
        if (c == '\\') c = '/';
    return name;
}

bool is_relative(const std::string& name) {
    return !name.empty() && !platform::is_absolute_path(name);
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
    std::string folder = platform::full_path(path);
    if (folder.empty()) return path + "/";
    return folder.back() == '/' ? folder : folder + "/";
}

// Makes each missing folder on the way to `folder` (absolute, ending in '/'),
// from the deepest one that exists (on Windows that may be a network share,
// whose server and share names are no folders of their own).
bool make_folders(const std::string& folder, std::string* why) {
    std::vector<std::string> missing;
    for (std::string part = folder.substr(0, folder.size() - 1);
         part.find('/') != std::string::npos && !is_folder(part); part.resize(part.rfind('/')))
        missing.push_back(part);
    for (auto part = missing.rbegin(); part != missing.rend(); ++part) {
        std::string reason;
        if (platform::make_folder(*part, &reason) || is_folder(*part)) continue;
        if (why) *why = "cannot make the folder " + *part + ": " + reason;
        return false;
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
    layout.no_player_folder_reason = "neither XDG_DATA_HOME nor HOME is set";
    return layout;
}

GameFileLayout find_windows_game_file_layout(const std::string& program_folder,
                                             const std::string& roaming_data,
                                             bool program_folder_writable) {
    GameFileLayout layout;
    layout.program_folder = program_folder;
    if (program_folder.empty() || !is_folder(program_folder + "chars")) return layout;
    if (program_folder_writable && !exists(program_folder + "installed.txt")) return layout;
    layout.installed = true;
    layout.installed_folder = program_folder;
    if (!roaming_data.empty())
        layout.player_folder = without_trailing_slashes(roaming_data) + "/Orvessa/";
    layout.no_player_folder_reason = "APPDATA is not set";
    return layout;
}

void choose_game_file_layout() {
    const std::string program = platform::program_folder();
#ifdef _WIN32
    use_game_file_layout(find_windows_game_file_layout(
        program, platform::roaming_data_folder(), platform::folder_accepts_new_files(program)));
#else
    use_game_file_layout(
        find_game_file_layout(program, std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
#endif
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
        if (why) *why = "no folder for the player's files: " + layout.no_player_folder_reason;
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
