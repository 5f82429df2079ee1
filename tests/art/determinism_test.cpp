// Two runs of the generator give the same bytes: the build's files are made
// again into a scratch folder and compared one by one.
#include "art_files.h"
#include "tests/support/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace art;
namespace fs = std::filesystem;

namespace {

int generate(const std::string& arguments) {
    std::string command = std::string("\"") + ORVESSA_ARTGEN + "\" \"" + ORVESSA_FONT_DIR + "\" " + arguments;
    return std::system(command.c_str());
}

void expect_same_files(const std::string& made, const std::string& built) {
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(made)) {
        std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        std::string again = read_file(entry.path().string());
        std::string before = read_file(built + "/" + name);
        EXPECT_FALSE(again.empty());
        EXPECT_TRUE(again == before) << "differs from the build's " << built << "/" << name;
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

} // namespace

TEST(Generator, MakesTheSameBytesEveryRun) {
    ScratchFolder scratch;
    std::string assets = scratch.file("assets"), chars = scratch.file("chars");
    fs::create_directories(assets);
    fs::create_directories(chars);
    ASSERT_EQ(generate("images \"" + assets + "\""), 0);
    ASSERT_EQ(generate("sounds \"" + assets + "\""), 0);
    ASSERT_EQ(generate("select-music \"" + assets + "\""), 0);
    for (int id : character_ids())
        ASSERT_EQ(generate("character " + std::to_string(id) + " \"" + chars + "\""), 0);
    expect_same_files(assets, assets_dir());
    expect_same_files(chars, chars_dir());
    EXPECT_EQ(std::distance(fs::directory_iterator(chars), fs::directory_iterator()),
              6 * static_cast<long>(character_ids().size()));
}

TEST(Generator, RefusesAnUnknownCharacter) {
    ScratchFolder scratch;
    EXPECT_NE(generate("character 11 \"" + scratch.path() + "\" 2>/dev/null"), 0);
    EXPECT_TRUE(fs::is_empty(scratch.path()));
}
