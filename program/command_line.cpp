#include "program/command_line.h"

#include "screens/character_select.h"
#include "screens/score_tables.h"
#include "system/game_files.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

bool parse_scale(std::string_view text, int& scale) {
    if (text.empty() || text.size() > 2) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    scale = std::atoi(std::string(text).c_str());
    return scale >= 1 && scale <= 8;
}

// Reads one argument at `i` (moving past a value it takes); false with the
// reason in `line.error` when it is not understood.
bool take(int argc, const char* const* argv, int& i, CommandLine& line, bool& windowed) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") return line.help = true;
    if (arg == "--version") return line.version = true;
    if (arg == "--fullscreen") return line.fullscreen = true;
    if (arg == "--window") return windowed = true;
    std::string_view value;
    if (arg == "--scale") {
        if (i + 1 >= argc) {
            line.error = "--scale needs a number from 1 to 8";
            return false;
        }
        value = argv[++i];
    } else if (arg.starts_with("--scale=")) {
        value = arg.substr(8);
    } else {
        line.error = "unknown option " + std::string(arg);
        return false;
    }
    if (parse_scale(value, line.scale)) return true;
    line.error = "--scale needs a number from 1 to 8, not " + std::string(value);
    return false;
}

} // namespace

CommandLine parse_command_line(int argc, const char* const* argv) {
    CommandLine line;
    bool windowed = false;
    for (int i = 1; i < argc; ++i)
        if (!take(argc, argv, i, line, windowed)) return line;
    if (windowed && line.fullscreen) line.error = "--fullscreen and --window exclude each other";
    return line;
}

std::string usage_text() {
    return "usage: orvessa [--fullscreen | --window] [--scale N] [--help] [--version]\n"
           "  --fullscreen  play on the whole screen, at the desktop's own resolution\n"
           "  --window      play in a window (the default)\n"
           "  --scale N     a window N times 640 x 480, N from 1 to 8 (the default is\n"
           "                the largest that fits the desktop)\n"
           "  --help        show this help and exit\n"
           "  --version     show the version and exit\n";
}

std::string help_text() {
    // Asked before start-up: the layout is decided here first (nothing is made).
    choose_game_file_layout();
    std::string score_file = score_file_location();
    if (score_file.empty())
        score_file = "(none: " + game_file_layout().no_player_folder_reason + ")";
    std::string files = "\nFiles:\n  " + score_file + "\n      the high-score tables\n";
    const std::vector<std::string> folders = character_folders();
    for (size_t i = 0; i < folders.size(); ++i)
        files += "  " + folders[i] +
                 (folders.size() == 1 ? "\n      the characters\n"
                  : i == 0            ? "\n      your own characters, used first\n"
                                      : "\n      the installed characters\n");
    return usage_text() +
           "\nKeys (and a game controller's buttons):\n"
           "  Left, Right (d-pad, left stick)  move the drop cursor; in the menus, move\n"
           "                                   the pointer\n"
           "  Up, Down (d-pad, left stick)     move on the character select\n"
           "  Space (A)                        drop the rune; choose a character\n"
           "  P (Start)                        pause and resume\n"
           "  Escape (B or Back)               give up a paused game; Escape (Back)\n"
           "                                   quits from the title screen\n"
           "  Enter (A or Start)               open the title entry under the pointer;\n"
           "                                   choose a character; end the name\n"
           "  F11, Alt+Enter                   full screen or a window, at any time\n"
           "Left, right and drop can be rebound from the title screen; a pad's buttons\n"
           "keep their meaning whatever the bindings.\n" +
           files;
}
