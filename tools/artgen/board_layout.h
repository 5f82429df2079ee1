// Where the play screen puts things: the 67 cells, the preview row, the three
// score lines and the pressure gauge. The board picture is drawn to match.
#pragma once

inline int column_top(int c) {
    return 4 - (c + 1) / 2;
}
inline int column_bottom(int c) {
    return 10 - c / 2;
}
inline bool is_cell(int c, int r) {
    return c >= 0 && c <= 8 && r >= 0 && r <= 11 && r >= column_top(c) && r <= column_bottom(c);
}
// Centre of cell (c, r); its 40 x 40 rune picture has its top-left 20 pixels up and left.
inline double cell_centre_x(int c) {
    return 40.0 * c + 80;
}
inline double cell_centre_y(int c, int r) {
    return 40.0 * r + 20 * c;
}

// The cells tile the plane as flat-topped hexagons 50 wide and 40 high.
inline constexpr double cell_half_width = 25, cell_half_top = 15, cell_half_height = 20;

inline constexpr int preview_y = 60;
inline constexpr int score_line_y[3] = {256, 297, 338};
inline constexpr int score_line_right[3] = {636, 636, 612};
inline constexpr int digit_size = 24;
inline constexpr int gauge_x = 560, gauge_y = 420, gauge_radius = 40;
