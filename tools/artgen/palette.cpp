#include "tools/artgen/palette.h"

Colour rune_colour(int kind) {
    // Lightness climbs with the kind as well as the hue turning, so kinds stay
    // apart for players who cannot tell red from green.
    static constexpr Colour colours[11] = {
        Colour::hex(0xe0303a), // 0 red: heart
        Colour::hex(0xff9a1f), // 1 amber: triangle
        Colour::hex(0xffe34a), // 2 yellow: star
        Colour::hex(0x35c24a), // 3 green: diamond
        Colour::hex(0x2fd3e0), // 4 cyan: square
        Colour::hex(0x3a6bff), // 5 blue: drop
        Colour::hex(0xb048e8), // 6 violet: moon
        Colour::hex(0xffffff), // 7 white
        Colour::hex(0x9aa0aa), // 8 gray
        Colour::hex(0x202028), // 9 black
        Colour::hex(0xffffff), // 10 wild
    };
    return colours[kind < 0 || kind > 10 ? 0 : kind];
}

void set_colour(cairo_t* cr, const Colour& c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void add_stop(cairo_pattern_t* pattern, double offset, const Colour& c, double alpha) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, alpha);
}
