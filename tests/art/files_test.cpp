// Every file the game opens exists under its exact name, in the format, size,
// channel count and rate that the code reading it expects.
#include "art_files.h"
#include "tools/icon/ico_writer.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace art;

namespace {

struct PictureWanted {
    const char* name;
    int width, height, colour_type;
};

struct SoundWanted {
    const char* name;
    int channels, rate;
};

const PictureWanted shared_pictures[] = {
    {"sparks.png", 480, 40, 6}, {"kovname.png", 302, 105, 6}, {"charscreen.png", 640, 480, 2},
    {"cursor.png", 80, 80, 6},  {"blankface.png", 80, 80, 2}, {"titlescreen.png", 640, 480, 2},
    {"pointer.png", 80, 32, 6}, {"gameover.png", 276, 78, 6}, {"paused.png", 300, 100, 2},
};

const SoundWanted shared_wavs[] = {
    {"click.wav", 1, 44100}, {"white.wav", 2, 44100},   {"black.wav", 2, 44100},
    {"gray.wav", 2, 44100},  {"sparkle.wav", 1, 22050},
};

void expect_picture(const std::string& path, int width, int height, int colour_type) {
    SCOPED_TRACE(path);
    Picture p = read_png(path);
    ASSERT_GT(p.width, 0) << "not a readable PNG";
    EXPECT_EQ(p.width, width);
    EXPECT_EQ(p.height, height);
    EXPECT_EQ(p.bit_depth, 8);
    EXPECT_EQ(p.colour_type, colour_type) << "2 = RGB, 6 = RGBA";
}

void expect_ogg(const std::string& path, double min_seconds, double max_seconds) {
    SCOPED_TRACE(path);
    Sound s = read_ogg(path);
    ASSERT_EQ(s.channels, 2);
    EXPECT_EQ(s.rate, 44100);
    EXPECT_GE(s.seconds(), min_seconds);
    EXPECT_LE(s.seconds(), max_seconds);
}

} // namespace

TEST(SharedFiles, PicturesHaveTheirSizeAndLayout) {
    for (const PictureWanted& wanted : shared_pictures)
        expect_picture(assets_dir() + "/" + wanted.name, wanted.width, wanted.height,
                       wanted.colour_type);
}

TEST(SharedFiles, EffectsAre16BitPcmWithTheirChannelsAndRate) {
    for (const SoundWanted& wanted : shared_wavs) {
        SCOPED_TRACE(wanted.name);
        Sound s = read_wav(assets_dir() + "/" + wanted.name);
        ASSERT_EQ(s.channels, wanted.channels);
        EXPECT_EQ(s.format, 1);
        EXPECT_EQ(s.bits, 16);
        EXPECT_EQ(s.rate, wanted.rate);
        EXPECT_GT(s.seconds(), 0.05);
        EXPECT_LT(s.seconds(), 5.0);
    }
}

TEST(SharedFiles, JingleFitsTheSplashAndSelectMusicIsStereo) {
    // The splash takes about 6.9 s (201 frames, 3 s of hold, 31 frames of
    // blinds) and the jingle plays on into the title, ending there.
    expect_ogg(assets_dir() + "/kovjingle.ogg", 8.0, 9.5);
    expect_ogg(assets_dir() + "/select.ogg", 20.0, 120.0);
}

TEST(SharedFiles, TitleFontIsTrueTypeWithGlyphOutlines) {
    std::string font = read_file(assets_dir() + "/Brasswick.ttf");
    ASSERT_GE(font.size(), 12u);
    EXPECT_EQ(font.substr(0, 4), std::string("\0\1\0\0", 4)) << "TrueType outlines, not CFF";
    EXPECT_NE(font.find("glyf"), std::string::npos);
    EXPECT_NE(font.find("cmap"), std::string::npos);
    std::string licence = read_file(program_dir() + "/Brasswick-LICENSE.txt");
    EXPECT_NE(licence.find("ParaType"), std::string::npos)
        << "the font's licence must travel beside the program";
}

TEST(Characters, TheCentreAndAtLeastFiveHoneycombPlacesAreFilled) {
    std::vector<int> ids = character_ids();
    EXPECT_GE(ids.size(), 5u);
    EXPECT_NE(std::find(ids.begin(), ids.end(), 33), ids.end());
    for (int id : ids) {
        int column = id / 10, row = id % 10;
        EXPECT_TRUE(column + row >= 4 && column + row <= 8 && column >= 1 && column <= 5 &&
                    row >= 1 && row <= 5)
            << id << " is not a place of the honeycomb";
    }
}

TEST(Characters, EachHasAllSixFiles) {
    for (int id : character_ids()) {
        std::string n = std::to_string(id);
        expect_picture(chars_dir() + "/face" + n + ".png", 80, 80, 2);
        // As wide as the figure: up to where the honeycomb's second column begins.
        expect_picture(chars_dir() + "/port" + n + ".png", 280, 480, 2);
        expect_picture(chars_dir() + "/board" + n + ".png", 640, 480, 2);
        expect_picture(chars_dir() + "/runes" + n + ".png", 440, 40, 6);
        expect_picture(chars_dir() + "/score" + n + ".png", 240, 24, 6);
        expect_ogg(chars_dir() + "/music" + n + ".ogg", 45.0, 90.0);
    }
}

TEST(Characters, NoFaceWithoutTheRestOfItsCharacter) {
    // The select screen offers a place as soon as its face exists; a face
    // without its other files would start a game with pieces missing.
    for (const auto& entry : std::filesystem::directory_iterator(chars_dir())) {
        std::string name = entry.path().filename().string();
        if (name.rfind("face", 0) != 0) continue;
        int id = std::stoi(name.substr(4, 2));
        std::vector<int> ids = character_ids();
        EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << name;
        for (const char* part : {"port", "board", "runes", "score"})
            EXPECT_TRUE(
                std::filesystem::exists(chars_dir() + "/" + part + std::to_string(id) + ".png"))
                << part << id;
        EXPECT_TRUE(std::filesystem::exists(chars_dir() + "/music" + std::to_string(id) + ".ogg"));
    }
}

namespace {
std::string icon_path(int size) {
    return std::string(ORVESSA_PROGRAM_DIR) + "/icons/orvessa-" + std::to_string(size) + ".png";
}
} // namespace

TEST(WindowsIcon, PacksTheIconsPicturesWithSizesAndOffsets) {
    std::vector<std::string> pngs;
    for (int size : {16, 256}) pngs.push_back(read_file(icon_path(size)));
    const std::string ico = ico_from_pngs(pngs, nullptr);
    auto byte = [&](size_t at) { return static_cast<unsigned char>(ico[at]); };
    auto word = [&](size_t at) { return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16; };
    ASSERT_EQ(ico.size(), 6 + 2 * 16 + pngs[0].size() + pngs[1].size());
    EXPECT_EQ(ico.substr(0, 6), std::string("\0\0\1\0\2\0", 6));
    EXPECT_EQ(byte(6), 16);
    EXPECT_EQ(byte(22), 0) << "256 pixels are written as 0";
    EXPECT_EQ(word(6 + 8), pngs[0].size());
    EXPECT_EQ(word(22 + 12), 6 + 32 + pngs[0].size());
    EXPECT_EQ(ico.substr(word(22 + 12)), pngs[1]);
    std::string why;
    EXPECT_EQ(ico_from_pngs({read_file(icon_path(512))}, &why), "");
    EXPECT_FALSE(why.empty());
}
