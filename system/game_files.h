// Where the game's own files lie.
//
// The game asks for its files by the names it has always used, such as
// "scores.dat" and "chars/face33.png". open_stream(), file_type() and
// replace_file() pass every relative name through here, so this is the only
// code that knows the two ways the game can be laid out:
//
// - Portable: a "chars" folder lies beside the program (the build folder, or
//   any copy of it). The program works from its own folder and uses every
//   name as it is, so the score file and the characters lie beside it.
// - Installed: no "chars" beside the program, but the installed data folder
//   is found from the program's folder ("../share/games/orvessa" from
//   "/usr/games"; the tree may be moved as a whole). A name is then looked
//   up first in the player's data folder, "$XDG_DATA_HOME/orvessa/" (by
//   default "~/.local/share/orvessa/"), then in the installed data folder.
//   Everything written goes into the player's folder, made with mode 0700
//   when first needed. So the score file is the player's own, and files
//   dropped into the player's "chars" folder add or replace a character,
//   file by file.
//
// With neither beside the program, the layout is portable, as it always was.
//
// On Windows the installed game keeps its "chars" folder beside the program
// (in Program Files), so the rule there is another: a "chars" folder beside
// a program whose folder takes new files is portable; one in a folder that
// does not (Program Files, a read-only share), or beside the file
// "installed.txt" that the setup leaves there, is installed, with the
// characters beside the program as the installed ones and the player's
// folder "%APPDATA%\Orvessa\". The setup's mark matters where the folder
// does take files: an install for one user (under %LOCALAPPDATA%), which
// its uninstaller removes whole, and any install under Wine.
#pragma once

#include <string>
#include <vector>

struct GameFileLayout {
    bool installed = false;
    std::string program_folder; // with a trailing '/'
    // Installed only, each with a trailing '/'. The player's folder is empty
    // when neither XDG_DATA_HOME nor HOME names one.
    std::string player_folder;
    std::string installed_folder;
    // Installed only: why the player's folder is empty, if it is.
    std::string no_player_folder_reason;
};

// The layout for a program in `program_folder` (with a trailing '/'), given
// the values of XDG_DATA_HOME and HOME (null when unset). Nothing is made.
GameFileLayout find_game_file_layout(const std::string& program_folder, const char* xdg_data_home,
                                     const char* home);

// The layout on Windows for a program in `program_folder`, given the
// user's roaming application data folder (empty when unknown) and whether
// the program's folder takes new files. Nothing is made.
GameFileLayout find_windows_game_file_layout(const std::string& program_folder,
                                             const std::string& roaming_data,
                                             bool program_folder_writable);

// Decides the layout from the running program's folder and the environment
// and uses it from then on. system_startup() calls it once.
void choose_game_file_layout();

// Uses `layout` from now on. Until a layout is chosen every name is used as
// it is, as in the portable layout.
void use_game_file_layout(const GameFileLayout& layout);
const GameFileLayout& game_file_layout();

// The file to open for reading `name`: the player's copy when it exists,
// else the installed one. Absolute names, and any name in the portable
// layout, come back as they are.
std::string file_to_read(const std::string& name);

// The file to write for `name`, in the player's folder, which is made first
// when missing. Empty, with the reason in `why`, when there is no player's
// folder or it cannot be made. Portable: the name as it is.
std::string file_to_write(const std::string& name, std::string* why = nullptr);

// For telling the player where their files are: the folder written to, and
// the folders looked in, first to last. Full paths with a trailing '/'; the
// folder written to is empty when there is none. They describe the layout in
// use, so call choose_game_file_layout() first when asking before
// system_startup() (it makes nothing and may be called again).
std::string folder_written();
std::vector<std::string> folders_read();
