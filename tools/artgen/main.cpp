// orvessa_artgen: draws and composes the game's pictures, sounds and music.
//
//   orvessa_artgen FONT_DIR images DIR         shared pictures
//   orvessa_artgen FONT_DIR sounds DIR         sound effects and the studio jingle
//   orvessa_artgen FONT_DIR select-music DIR   the character-select music
//   orvessa_artgen FONT_DIR character ID DIR   the six files of one character
//   orvessa_artgen FONT_DIR characters         the ids of every character
//   orvessa_artgen FONT_DIR icons DIR          the desktop icon at every size
//   orvessa_artgen FONT_DIR preview ASSETS CHARS DIR   composites for review
//
// Everything is seeded and fixed, so two runs write identical bytes.
#include "tools/artgen/characters.h"
#include "tools/artgen/fonts.h"
#include "tools/artgen/generators.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr, "usage: orvessa_artgen FONT_DIR (images|sounds|select-music|icons) DIR\n"
                         "       orvessa_artgen FONT_DIR character ID DIR\n"
                         "       orvessa_artgen FONT_DIR characters\n"
                         "       orvessa_artgen FONT_DIR preview ASSETS CHARS DIR\n");
    return 2;
}

int run(int argc, char** argv) {
    if (argc < 3) return usage();
    load_fonts(argv[1]);
    std::string command = argv[2];
    if (command == "characters" && argc == 3) {
        for (const Character& c : characters()) std::printf("%d\n", c.id);
        return 0;
    }
    if (command == "character" && argc == 5) {
        const Character* c = find_character(std::atoi(argv[3]));
        if (!c) {
            std::fprintf(stderr, "orvessa_artgen: no character %s\n", argv[3]);
            return 1;
        }
        make_character_pictures(*c, argv[4]);
        make_character_music(*c, argv[4]);
        return 0;
    }
    if (command == "preview" && argc == 6) {
        make_previews(argv[3], argv[4], argv[5]);
        return 0;
    }
    if (argc != 4) return usage();
    std::string dir = argv[3];
    if (command == "images") {
        make_sparks(dir);
        make_logo(dir);
        make_title(dir);
        make_banners(dir);
        make_select_screen(dir);
    } else if (command == "sounds") {
        make_effects(dir);
        make_jingle(dir);
    } else if (command == "select-music") {
        make_select_music(dir);
    } else if (command == "icons") {
        make_icons(dir);
    } else {
        return usage();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int status = 1;
    try {
        status = run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvessa_artgen: %s\n", e.what());
    }
    return status;
}
