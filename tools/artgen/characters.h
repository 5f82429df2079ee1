// The characters of the honeycomb: who they are, how their board looks and
// how their music sounds.
#pragma once

#include "tools/artgen/composer.h"
#include "tools/artgen/palette.h"
#include "tools/artgen/rune_art.h"

#include <string>
#include <vector>

enum class Hair { long_straight, short_crop, braid, bald };
enum class Headwear { none, circlet, hood, cap, antlers };

struct Looks {
    Colour skin, hair, eyes, robe, trim;
    Hair hair_style;
    Headwear headwear;
    bool beard;
    int rune; // the rune kind that floats beside them
};

struct Character {
    int id; // 10 x honeycomb column + row
    std::string name;
    std::string epithet;
    Colour sky_top, sky_bottom; // board backdrop
    Colour stone;               // board plinth
    Colour accent;              // digits, lettering, glows
    RuneStyle runes;
    Looks looks;
    MusicStyle music;
};

const std::vector<Character>& characters();
const Character* find_character(int id);
