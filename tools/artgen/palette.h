// The game's one palette: night-blue stone, bronze trim, ivory lettering and
// the seven rune colours, chosen to differ in lightness as well as hue.
#pragma once

#include <cairo.h>

struct Colour {
    double r = 0, g = 0, b = 0;

    static constexpr Colour hex(unsigned v) {
        return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
    }
    Colour mix(const Colour& o, double t) const {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t};
    }
    Colour lighter(double t) const { return mix({1, 1, 1}, t); }
    Colour darker(double t) const { return mix({0, 0, 0}, t); }
    double luma() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

namespace palette {
inline constexpr Colour night = Colour::hex(0x0b1020);
inline constexpr Colour deep = Colour::hex(0x141c33);
inline constexpr Colour slate = Colour::hex(0x26314d);
inline constexpr Colour mist = Colour::hex(0x5c6d93);
inline constexpr Colour bronze = Colour::hex(0xc08a3e);
inline constexpr Colour bronze_dark = Colour::hex(0x6e4a1c);
inline constexpr Colour gold = Colour::hex(0xf3cf6b);
inline constexpr Colour ivory = Colour::hex(0xf4ead2);
inline constexpr Colour ink = Colour::hex(0x05070d);
inline constexpr Colour mask = Colour::hex(0xff00ff);
} // namespace palette

// Colour of rune kind 0..10 (the ordinary seven, then white, gray, black, wild).
Colour rune_colour(int kind);

void set_colour(cairo_t* cr, const Colour& c, double alpha = 1.0);
void add_stop(cairo_pattern_t* pattern, double offset, const Colour& c, double alpha = 1.0);
