// Properties of the pictures that the game's drawing code relies on, or that
// a player would notice when they are wrong.
#include "art_files.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace art;

namespace {

struct Cell {
    std::vector<bool> mask; // alpha above half
    double cx = 0, cy = 0;  // centroid of the alpha
    double mass = 0;
    int edge_alpha = 0; // the highest alpha on the cell's border
};

Cell cell_of(const Picture& p, int index, int size) {
    Cell c;
    c.mask.resize(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int a = p.alpha(index * size + x, y);
            c.mask[static_cast<std::size_t>(y) * size + x] = a > 128;
            c.mass += a;
            c.cx += a * (x + 0.5);
            c.cy += a * (y + 0.5);
            if (x == 0 || y == 0 || x == size - 1 || y == size - 1)
                c.edge_alpha = std::max(c.edge_alpha, a);
        }
    if (c.mass > 0) {
        c.cx /= c.mass;
        c.cy /= c.mass;
    }
    return c;
}

double overlap(const std::vector<bool>& a, const std::vector<bool>& b) {
    int both = 0, either = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        both += a[i] && b[i];
        either += a[i] || b[i];
    }
    return either ? static_cast<double>(both) / either : 1.0;
}

std::vector<bool> disc(int size, double radius) {
    std::vector<bool> d(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            d[static_cast<std::size_t>(y) * size + x] =
                std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0) <= radius;
    return d;
}

bool in_honeycomb(int column, int row) {
    return column >= 1 && column <= 5 && row >= 1 && row <= 5 && column + row >= 4 &&
           column + row <= 8;
}

int place_x(int column) {
    return 80 * column + 120;
}
int place_y(int column, int row) {
    return 80 * row + 40 * column - 160;
}

bool is_metal(const Picture& p, int x, int y) {
    // Some places outside the honeycomb lie partly off the screen.
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) return false;
    const std::uint8_t* c = p.at(x, y);
    return c[0] > 90 && c[0] > c[2] + 40;
}

bool next_to_mask(const Picture& p, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < p.width && ny < p.height && p.is_mask(nx, ny))
                return true;
        }
    return false;
}

int magenta(const Picture& p, int x, int y) {
    const std::uint8_t* c = p.at(x, y);
    return std::min(c[0], c[2]) - c[1];
}

// Pixels along the masked edge that are much more magenta than the picture
// just inside them: a soft edge blended with the key colour, which the game
// would show as a pink fringe.
int fringe_pixels(const Picture& p) {
    int n = 0;
    for (int y = 1; y < p.height - 1; ++y)
        for (int x = 1; x < p.width - 1; ++x) {
            if (p.is_mask(x, y) || !next_to_mask(p, x, y)) continue;
            int inside = -255;
            bool any = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (!p.is_mask(x + dx, y + dy) && !next_to_mask(p, x + dx, y + dy)) {
                        inside = std::max(inside, magenta(p, x + dx, y + dy));
                        any = true;
                    }
            if (any && magenta(p, x, y) > 30 && magenta(p, x, y) > inside + 40) ++n;
        }
    return n;
}

} // namespace

TEST(SheetCells, SparksAndRunesAreCentredAndClearOfTheirNeighbours) {
    // The sparks sheet is 480 wide, of which the game uses the first 11 cells.
    struct Sheet {
        std::string path;
        int width;
    };
    std::vector<Sheet> sheets = {{assets_dir() + "/sparks.png", 480}};
    for (int id : character_ids())
        sheets.push_back({chars_dir() + "/runes" + std::to_string(id) + ".png", 440});
    for (const Sheet& sheet : sheets) {
        Picture p = read_png(sheet.path);
        ASSERT_EQ(p.width, sheet.width) << sheet.path;
        for (int i = 0; i < 11; ++i) {
            Cell c = cell_of(p, i, 40);
            SCOPED_TRACE(sheet.path + " cell " + std::to_string(i));
            EXPECT_GT(c.mass, 40 * 255) << "empty cell";
            // Sparks spin about the cell's middle; runes sit in their cells.
            EXPECT_NEAR(c.cx, 20, 2.5);
            EXPECT_NEAR(c.cy, 20, 2.5);
            EXPECT_LT(c.edge_alpha, 40) << "touches the cell border";
        }
    }
}

TEST(RuneSheet, OrdinaryKindsDifferInShapeAndSpecialsSitInARoundSetting) {
    for (int id : character_ids()) {
        Picture p = read_png(chars_dir() + "/runes" + std::to_string(id) + ".png");
        ASSERT_EQ(p.width, 440);
        std::vector<Cell> cells;
        for (int k = 0; k < 11; ++k) cells.push_back(cell_of(p, k, 40));
        // Outlines alone tell the seven ordinary kinds apart.
        for (int a = 0; a < 7; ++a)
            for (int b = a + 1; b < 7; ++b)
                EXPECT_LT(overlap(cells[a].mask, cells[b].mask), 0.8)
                    << "runes" << id << ": kinds " << a << " and " << b << " have one shape";
        // The four specials share one round silhouette that no ordinary kind has.
        std::vector<bool> setting = disc(40, 17.3);
        for (int k = 0; k < 11; ++k) {
            double round = overlap(cells[k].mask, setting);
            if (k >= 7)
                EXPECT_GT(round, 0.85) << "runes" << id << ": special kind " << k;
            else
                EXPECT_LT(round, 0.8) << "runes" << id << ": ordinary kind " << k;
        }
    }
}

TEST(DigitSheet, TenDistinctDigitsInsideTheirCells) {
    for (int id : character_ids()) {
        Picture p = read_png(chars_dir() + "/score" + std::to_string(id) + ".png");
        ASSERT_EQ(p.width, 240);
        std::vector<Cell> cells;
        for (int d = 0; d < 10; ++d) {
            cells.push_back(cell_of(p, d, 24));
            EXPECT_GT(cells.back().mass, 20 * 255) << "score" << id << " digit " << d;
            EXPECT_LT(cells.back().edge_alpha, 60) << "score" << id << " digit " << d;
        }
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b)
                EXPECT_LT(overlap(cells[a].mask, cells[b].mask), 0.9)
                    << "score" << id << ": " << a << " vs " << b;
    }
}

TEST(SelectScreen, FramesStandAtTheNineteenPlacesAndNowhereElse) {
    Picture p = read_png(assets_dir() + "/charscreen.png");
    ASSERT_EQ(p.width, 640);
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 5; ++r) {
            int x = place_x(c), y = place_y(c, r);
            SCOPED_TRACE("place " + std::to_string(c) + "," + std::to_string(r));
            // The frame's top and bottom edges, and the middle of the place.
            bool top = is_metal(p, x + 40, y + 4), bottom = is_metal(p, x + 40, y + 75);
            if (in_honeycomb(c, r)) {
                EXPECT_TRUE(top);
                EXPECT_TRUE(bottom);
                EXPECT_LT(p.luma(x + 40, y + 40), 60);
            } else {
                EXPECT_FALSE(top);
                EXPECT_FALSE(bottom);
            }
        }
}

TEST(SelectScreen, FacesLeaveTheFrameVisibleAndHaveNoMagentaFringe) {
    std::vector<std::string> faces = {assets_dir() + "/blankface.png"};
    for (int id : character_ids())
        faces.push_back(chars_dir() + "/face" + std::to_string(id) + ".png");
    for (const std::string& path : faces) {
        SCOPED_TRACE(path);
        Picture p = read_png(path);
        ASSERT_EQ(p.width, 80);
        EXPECT_TRUE(p.is_mask(40, 3)) << "covers the frame's top edge";
        EXPECT_TRUE(p.is_mask(40, 77)) << "covers the frame's bottom edge";
        EXPECT_TRUE(p.is_mask(1, 1));
        EXPECT_FALSE(p.is_mask(40, 40));
        EXPECT_EQ(fringe_pixels(p), 0);
    }
}

TEST(SelectScreen, PortraitsKeepClearOfTheHoneycomb) {
    // Faces are drawn over the portrait and let their corners show through;
    // anything of the portrait there would show between the frames.
    for (int id : character_ids()) {
        SCOPED_TRACE(id);
        Picture p = read_png(chars_dir() + "/port" + std::to_string(id) + ".png");
        ASSERT_EQ(p.width, place_x(2));
        int drawn = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < p.width; ++x) drawn += !p.is_mask(x, y);
        EXPECT_GT(drawn, 640 * 480 / 20) << "an empty portrait";
        int inside = 0;
        for (int c = 1; c <= 5; ++c)
            for (int r = 1; r <= 5; ++r) {
                if (!in_honeycomb(c, r)) continue;
                for (int y = place_y(c, r); y < place_y(c, r) + 80; ++y)
                    for (int x = place_x(c); x < std::min(place_x(c) + 80, p.width); ++x)
                        inside += !p.is_mask(x, y);
            }
        EXPECT_EQ(inside, 0);
        EXPECT_EQ(fringe_pixels(p), 0);
    }
}

TEST(SelectScreen, CursorIsAFrameWithAnOpenMiddle) {
    Picture p = read_png(assets_dir() + "/cursor.png");
    ASSERT_EQ(p.width, 80);
    EXPECT_EQ(p.alpha(40, 40), 0);
    EXPECT_GT(p.alpha(40, 4), 200);
    EXPECT_GT(p.alpha(40, 75), 200);
}

TEST(TitlePicture, TextPlacesAreDarkAndPlainForWhiteLettering) {
    Picture p = read_png(assets_dir() + "/titlescreen.png");
    ASSERT_EQ(p.width, 640);
    struct Box {
        int x0, y0, x1, y1;
        const char* what;
    };
    const Box boxes[] = {{46, 290, 210, 344, "runes-cleared table"},
                         {46, 364, 210, 418, "efficiency table"},
                         {46, 420, 210, 440, "player's name"},
                         {438, 340, 612, 400, "key bindings"},
                         {540, 240, 636, 260, "version"}};
    for (const Box& b : boxes) {
        std::vector<double> l;
        for (int y = b.y0; y < b.y1; ++y)
            for (int x = b.x0; x < b.x1; ++x) l.push_back(p.luma(x, y));
        std::sort(l.begin(), l.end());
        EXPECT_LT(l[l.size() / 2], 60) << b.what;
        EXPECT_LT(l[l.size() * 98 / 100], 130) << b.what << ": bright art under the text";
    }
}

// Rows of white text stand 18 pixels apart, each from its capitals' top
// (7 below the y it is drawn at) to its descenders (24 below): a heading or a
// rule painted into that band collides with the text, however few its pixels.
TEST(TitlePicture, NothingPaintedRunsThroughARowOfText) {
    Picture p = read_png(assets_dir() + "/titlescreen.png");
    ASSERT_EQ(p.width, 640);
    auto brightest = [&p](int x0, int x1, int y) {
        double most = 0;
        for (int row = y + 5; row <= y + 25; ++row)
            for (int x = x0; x < x1; ++x) most = std::max(most, p.luma(x, row));
        return most;
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_LT(brightest(46, 206, 290 + 18 * i), 45) << "runes-cleared row " << i;
        EXPECT_LT(brightest(46, 206, 364 + 18 * i), 45) << "efficiency row " << i;
    }
    // A long name runs on across the other panels.
    EXPECT_LT(brightest(46, 620, 420), 45) << "the name line";
}

TEST(TitlePicture, PointerTipIsAtTheTopMiddle) {
    Picture p = read_png(assets_dir() + "/pointer.png");
    ASSERT_EQ(p.width, 80);
    EXPECT_GT(std::max(p.alpha(40, 0), p.alpha(40, 1)), 128);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 80; ++x)
            if (std::abs(x - 40) > 3) {
                EXPECT_LT(p.alpha(x, y), 16) << x << "," << y;
            }
    double mass = 0, cx = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 80; ++x) {
            mass += p.alpha(x, y);
            cx += p.alpha(x, y) * (x + 0.5);
        }
    EXPECT_NEAR(cx / mass, 40.0, 1.0);
}

TEST(Logo, IsGreySoTheSplashTintDecidesItsColour) {
    Picture p = read_png(assets_dir() + "/kovname.png");
    ASSERT_EQ(p.width, 302);
    int coloured = 0, opaque = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            if (p.alpha(x, y) == 0) continue;
            const std::uint8_t* c = p.at(x, y);
            coloured += std::max({std::abs(c[0] - c[1]), std::abs(c[1] - c[2])}) > 3;
            opaque += p.alpha(x, y) == 255;
        }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(opaque, 302 * 105 / 10);
}
