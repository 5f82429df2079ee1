// Two runs of the generator give the same bytes: the build's files are made
// again into a scratch folder and compared one by one.
#include "art_files.h"
#include "tests/support/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

using namespace art;
namespace fs = std::filesystem;

namespace {

std::string command(const std::string& arguments) {
    return std::string("\"") + ORVESSA_ARTGEN + "\" \"" + ORVESSA_FONT_DIR + "\" " + arguments;
}

int generate(const std::string& arguments) {
    return std::system(command(arguments).c_str());
}

// Runs the commands two at a time, as the build does; true if all succeed.
bool generate_all(const std::vector<std::string>& arguments) {
    bool ok = true;
    std::vector<pid_t> running;
    auto reap = [&] {
        int status = 0;
        if (waitpid(running.front(), &status, 0) < 0 || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            ok = false;
        running.erase(running.begin());
    };
    for (const std::string& a : arguments) {
        if (running.size() == 2) reap();
        std::string line = command(a);
        char sh[] = "/bin/sh", dash_c[] = "-c";
        char* argv[] = {sh, dash_c, line.data(), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv, environ) != 0) return false;
        running.push_back(pid);
    }
    while (!running.empty()) reap();
    return ok;
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
    std::vector<std::string> runs = {"images \"" + assets + "\"", "sounds \"" + assets + "\"",
                                     "select-music \"" + assets + "\""};
    for (int id : character_ids())
        runs.push_back("character " + std::to_string(id) + " \"" + chars + "\"");
    ASSERT_TRUE(generate_all(runs));
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
