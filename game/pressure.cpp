#include "game/pressure.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/maths.h"
#include "graphics/display.h"
#include "system/random.h"

namespace {

constexpr int PRESSURE_THRESHOLD = 7000;
constexpr double PRESSURE_EXPONENT = 0.75;
// The hand is drawn 300 units long and scaled down to the gauge's radius.
constexpr float HAND_LENGTH = 300;
constexpr int RIM_DISCS = 11;
constexpr float RIM_BLUE_FACTOR = 0.9f;

void place_pressure_rune(int kind) {
    int c;
    do {
        c = random_int(0, BOARD_COLUMNS - 1);
    } while (column_count(c) >= column_capacity(c));
    auto rune = std::make_shared<Rune>();
    rune->kind = kind; // starts invisible and fades in
    // The lowest free cell when the column's runes rest at its bottom.
    int row = column_top(c) + column_capacity(c) - column_count(c) - 1;
    board[c][row] = std::move(rune);
}

} // namespace

void update_pressure() {
    pressure = float_to_int(pressure + power(score, PRESSURE_EXPONENT));
    if (pressure > PRESSURE_THRESHOLD) {
        pressure = 0;
        int kind = random_int(0, RUNE_ORDINARY_LAST);
        // A board full of resting runes has no free cell to search for.
        if (active_rune_count() < BOARD_CELLS) place_pressure_rune(kind);
    }
    draw_pressure_gauge(static_cast<float>(pressure) / PRESSURE_THRESHOLD, 560, 420, 40);
}

void draw_pressure_gauge(float fraction, int x, int y, int radius) {
    // Nested discs shade the rim from black at the edge to light inside.
    for (int i = 0; i < RIM_DISCS; ++i) {
        int v = 25 * i;
        // The single-precision 0.9 sits just below 0.9 and the product is
        // not rounded back to single precision, so 50 gives 44, not 45.
        set_color(v, v, float_to_int(v * static_cast<double>(RIM_BLUE_FACTOR)));
        draw_oval(x - radius + i, y - radius + i, 2 * radius - 2 * i, 2 * radius - 2 * i);
    }
    set_color(250, 250, 225);
    draw_oval(x - radius + 11, y - radius + 11, 2 * radius - 22, 2 * radius - 22);

    set_transform(0, 1, 1);
    set_color(10, 10, 10);
    set_alpha(1);
    set_blend(BLEND_SOLID);
    set_rotation(360 * fraction);
    set_origin(x, y);
    set_scale(radius / HAND_LENGTH, radius / HAND_LENGTH);
    set_line_width(4);
    draw_line(0, 0, 0, -HAND_LENGTH, 1);

    set_origin(0, 0);
    set_transform(0, 1, 1);
    set_color(255, 255, 255);
    set_blend(BLEND_ALPHA);
}
