#include "tools/artgen/characters.h"

namespace {

std::vector<Character> make_characters() {
    std::vector<Character> list;
    {
        Character c;
        c.id = 33;
        c.name = "Tamsin";
        c.epithet = "the Runewright";
        c.sky_top = Colour::hex(0x0f3c4c);
        c.sky_bottom = Colour::hex(0x05131b);
        c.stone = Colour::hex(0x3b5964);
        c.accent = Colour::hex(0x86ece6);
        c.runes = {palette::gold, 0.55, 1.6};
        c.looks = {Colour::hex(0xf0c8a0),
                   Colour::hex(0xa0432a),
                   Colour::hex(0x2f8f5a),
                   Colour::hex(0x1d6f78),
                   palette::gold,
                   Hair::long_straight,
                   Headwear::circlet,
                   false,
                   4};
        c.music = {62,
                   modes::dorian,
                   96,
                   4,
                   4,
                   24,
                   {0, 0, 6, 6, 3, 3, 4, 6},
                   Instrument::flute,
                   Instrument::harp,
                   Instrument::strings,
                   Instrument::warm_bass,
                   Instrument::harp,
                   Drums::soft,
                   0.0,
                   0.28,
                   3301};
        list.push_back(c);
    }
    {
        Character c;
        c.id = 23;
        c.name = "Brannoch";
        c.epithet = "the Forgewarden";
        c.sky_top = Colour::hex(0x3e160a);
        c.sky_bottom = Colour::hex(0x130604);
        c.stone = Colour::hex(0x5c4232);
        c.accent = Colour::hex(0xffb45e);
        c.runes = {Colour::hex(0xd98b4a), 0.45, 1.9};
        c.looks = {Colour::hex(0xc98a62),
                   Colour::hex(0x7a2412),
                   Colour::hex(0x5a3414),
                   Colour::hex(0x6b2a1c),
                   Colour::hex(0xd98b4a),
                   Hair::short_crop,
                   Headwear::none,
                   true,
                   0};
        c.music = {52,
                   modes::phrygian,
                   120,
                   4,
                   2,
                   32,
                   {0, 0, 1, 0, 5, 6, 0, 0},
                   Instrument::fiddle,
                   Instrument::marimba,
                   Instrument::organ,
                   Instrument::pluck_bass,
                   Instrument::marimba,
                   Drums::march,
                   0.0,
                   0.18,
                   2302};
        list.push_back(c);
    }
    {
        Character c;
        c.id = 42;
        c.name = "Ysolde";
        c.epithet = "of the Frost";
        c.sky_top = Colour::hex(0x1c3a62);
        c.sky_bottom = Colour::hex(0x091222);
        c.stone = Colour::hex(0x6a7e9a);
        c.accent = Colour::hex(0xd4ecff);
        c.runes = {Colour::hex(0xdfe6f0), 0.6, 1.5};
        c.looks = {Colour::hex(0xf6dcd0),
                   Colour::hex(0xe8eef6),
                   Colour::hex(0x4aa8e8),
                   Colour::hex(0x5a86c0),
                   Colour::hex(0xdfe6f0),
                   Hair::braid,
                   Headwear::circlet,
                   false,
                   5};
        c.music = {57,
                   modes::aeolian,
                   80,
                   3,
                   2,
                   32,
                   {0, 0, 5, 5, 3, 3, 4, 4},
                   Instrument::bell,
                   Instrument::flute,
                   Instrument::choir,
                   Instrument::warm_bass,
                   Instrument::harp,
                   Drums::none,
                   0.0,
                   0.4,
                   4203};
        list.push_back(c);
    }
    {
        Character c;
        c.id = 24;
        c.name = "Corvin";
        c.epithet = "Greenwalker";
        c.sky_top = Colour::hex(0x1a3c1e);
        c.sky_bottom = Colour::hex(0x07120a);
        c.stone = Colour::hex(0x4e5e3f);
        c.accent = Colour::hex(0xbff58e);
        c.runes = {Colour::hex(0xc9a45a), 0.5, 1.7};
        c.looks = {Colour::hex(0xd8a878),
                   Colour::hex(0x4a2c18),
                   Colour::hex(0x7a8a3a),
                   Colour::hex(0x2e6a32),
                   Colour::hex(0xc9a45a),
                   Hair::short_crop,
                   Headwear::hood,
                   false,
                   3};
        c.music = {55,
                   modes::mixolydian,
                   116,
                   2,
                   3,
                   48,
                   {0, 0, 6, 6, 0, 0, 4, 4},
                   Instrument::fiddle,
                   Instrument::flute,
                   Instrument::strings,
                   Instrument::pluck_bass,
                   Instrument::harp,
                   Drums::jig,
                   0.0,
                   0.2,
                   2404};
        list.push_back(c);
    }
    {
        Character c;
        c.id = 43;
        c.name = "Sabeth";
        c.epithet = "the Nightweaver";
        c.sky_top = Colour::hex(0x2c1648);
        c.sky_bottom = Colour::hex(0x0c0616);
        c.stone = Colour::hex(0x4c3c62);
        c.accent = Colour::hex(0xe6b8ff);
        c.runes = {Colour::hex(0xe8c878), 0.55, 1.6};
        c.looks = {Colour::hex(0x8a5a3c),
                   Colour::hex(0x141018),
                   Colour::hex(0xe0a030),
                   Colour::hex(0x5a2a8a),
                   Colour::hex(0xe8c878),
                   Hair::long_straight,
                   Headwear::antlers,
                   false,
                   6};
        c.music = {61,
                   modes::harmonic_minor,
                   104,
                   4,
                   4,
                   32,
                   {0, 0, 5, 5, 3, 3, 4, 4},
                   Instrument::chip,
                   Instrument::marimba,
                   Instrument::choir,
                   Instrument::warm_bass,
                   Instrument::bell,
                   Drums::driving,
                   0.0,
                   0.3,
                   4305};
        list.push_back(c);
    }
    return list;
}

} // namespace

const std::vector<Character>& characters() {
    static const std::vector<Character>* list = new std::vector<Character>(make_characters());
    return *list;
}

const Character* find_character(int id) {
    for (const Character& c : characters())
        if (c.id == id) return &c;
    return nullptr;
}
