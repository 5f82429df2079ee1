// The command line:
//
//   orvessa [--fullscreen | --window] [--scale N] [--help] [--version]
//
// Options take the usual forms: "--scale 3" or "--scale=3".
#pragma once

#include <string>

struct CommandLine {
    bool fullscreen = false; // start on the whole desktop
    int scale = 0; // the window as a whole multiple of 640 x 480; 0: the largest that fits
    bool help = false;
    bool version = false;
    std::string error; // what was wrong with the command line, or empty
};

CommandLine parse_command_line(int argc, const char* const* argv);

// The short usage: one synopsis line and the options.
std::string usage_text();
// --help: the usage, the keys, and where the scores and the characters live.
std::string help_text();
