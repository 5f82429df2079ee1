// The board picture must show a cell exactly where the game puts each of the
// 67 cells, and nothing that looks like a cell anywhere else.
#include "art_files.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

using namespace art;

namespace {

bool is_cell(int c, int r) {
    return c >= 0 && c <= 8 && r >= 4 - (c + 1) / 2 && r <= 10 - c / 2;
}

// Inside the hexagon that cell (c, r) covers in the grid's tiling.
bool in_cell_hexagon(double x, double y, double cx, double cy) {
    double dx = std::abs(x - cx), dy = std::abs(y - cy);
    return dy <= 20 && 2 * dx + dy <= 50;
}

struct Region {
    int area = 0;
    bool leaked = false; // reached beyond the cell's hexagon
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};

// The smooth patch around (x, y): neighbours join while their colour steps
// by little, as inside a drawn well; the rim around a well stops it.
Region flood(const Picture& p, int x0, int y0) {
    Region region;
    std::vector<char> seen(static_cast<std::size_t>(p.width) * p.height, 0);
    std::vector<std::pair<int, int>> stack{{x0, y0}};
    seen[static_cast<std::size_t>(y0) * p.width + x0] = 1;
    while (!stack.empty()) {
        auto [x, y] = stack.back();
        stack.pop_back();
        ++region.area;
        region.left = std::min(region.left, x);
        region.right = std::max(region.right, x);
        region.top = std::min(region.top, y);
        region.bottom = std::max(region.bottom, y);
        if (!in_cell_hexagon(x, y, x0, y0)) {
            region.leaked = true;
            return region;
        }
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& s : steps) {
            int nx = x + s[0], ny = y + s[1];
            if (nx < 0 || ny < 0 || nx >= p.width || ny >= p.height) continue;
            std::size_t k = static_cast<std::size_t>(ny) * p.width + nx;
            if (seen[k]) continue;
            const std::uint8_t* a = p.at(x, y);
            const std::uint8_t* b = p.at(nx, ny);
            int step =
                std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
            if (step > 4) continue;
            seen[k] = 1;
            stack.push_back({nx, ny});
        }
    }
    return region;
}

// A drawn cell: a smooth well that fills most of the hexagon, stays in it
// and is centred on the point.
bool looks_like_cell(const Picture& p, int cx, int cy) {
    Region r = flood(p, cx, cy);
    return !r.leaked && r.area >= 800 && // the hexagon covers 1600 pixels
           std::abs(r.left + r.right - 2 * cx) <= 4 && std::abs(r.top + r.bottom - 2 * cy) <= 4 &&
           r.right - r.left >= 36 && r.bottom - r.top >= 28;
}

} // namespace

TEST(BoardPicture, EveryCellCentreIsInsideADrawnCell) {
    for (int id : character_ids()) {
        Picture p = read_png(chars_dir() + "/board" + std::to_string(id) + ".png");
        ASSERT_EQ(p.width, 640);
        int cells = 0;
        for (int c = 0; c <= 8; ++c)
            for (int r = 0; r <= 11; ++r) {
                if (!is_cell(c, r)) continue;
                ++cells;
                EXPECT_TRUE(looks_like_cell(p, 40 * c + 80, 40 * r + 20 * c))
                    << "board" << id << ": no cell drawn around cell " << c << "," << r;
            }
        EXPECT_EQ(cells, 67);
    }
}

TEST(BoardPicture, NoCellIsDrawnWhereTheGridHasNone) {
    // Every other place of the same lattice, around and above the board,
    // the preview row included.
    for (int id : character_ids()) {
        Picture p = read_png(chars_dir() + "/board" + std::to_string(id) + ".png");
        ASSERT_EQ(p.width, 640);
        for (int c = -1; c <= 9; ++c)
            for (int r = -2; r <= 13; ++r) {
                int x = 40 * c + 80, y = 40 * r + 20 * c;
                if (is_cell(c, r) || x < 0 || y < 0 || x >= 640 || y >= 480) continue;
                EXPECT_FALSE(looks_like_cell(p, x, y))
                    << "board" << id << ": a cell drawn at " << c << "," << r;
            }
    }
}

TEST(BoardPicture, ScoreDigitsLandOnDarkSlots) {
    // draw_number puts 24-pixel digits ending at these right edges.
    const int y[3] = {256, 297, 338}, right[3] = {636, 636, 612};
    for (int id : character_ids()) {
        Picture board = read_png(chars_dir() + "/board" + std::to_string(id) + ".png");
        Picture digits = read_png(chars_dir() + "/score" + std::to_string(id) + ".png");
        ASSERT_EQ(board.width, 640);
        ASSERT_EQ(digits.width, 240);
        double ink = 0;
        int ink_pixels = 0;
        for (int yy = 0; yy < 24; ++yy)
            for (int x = 0; x < 240; ++x)
                if (digits.alpha(x, yy) > 200) {
                    ink += digits.luma(x, yy);
                    ++ink_pixels;
                }
        ASSERT_GT(ink_pixels, 0);
        ink /= ink_pixels;
        for (int line = 0; line < 3; ++line) {
            double sum = 0;
            int n = 0;
            for (int yy = y[line]; yy < y[line] + 24; ++yy)
                for (int x = right[line] - 4 * 24; x < right[line]; ++x, ++n)
                    sum += board.luma(x, yy);
            EXPECT_GT(ink - sum / n, 100)
                << "board" << id << ": digits of line " << line << " would not stand out";
        }
    }
}
