#include "game/statistics.h"

#include "game/game_state.h"

#include <cstdint>

namespace {

constexpr int DIGIT_WIDTH = 24;

} // namespace

void draw_statistics() {
    draw_number(score, 636, 256);
    draw_number(runes_dropped, 636, 297);
    if (runes_dropped > 0) {
        // Widened so that a long game cannot overflow the product.
        std::int64_t efficiency = std::int64_t{score} * 10000 / runes_dropped;
        draw_number(static_cast<int>(efficiency), 612, 338);
    }
}

void draw_number(int n, int x, int y) {
    while (n <= -10 || n >= 10) {
        draw_image(digit_image, x - DIGIT_WIDTH, y, n % 10);
        n /= 10;
        x -= DIGIT_WIDTH;
    }
    draw_image(digit_image, x - DIGIT_WIDTH, y, n);
}
