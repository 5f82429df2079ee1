#include "system/game_files.h"
#include "system/safe_file.h"
#include "system/streams.h"
#include "tests/support/scratch_folder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#ifndef _WIN32
#include <sys/stat.h>
#endif

// Uses a layout for one test and goes back to the portable one after it.
namespace {
struct LayoutInUse {
    explicit LayoutInUse(const GameFileLayout& layout) { use_game_file_layout(layout); }
    ~LayoutInUse() { use_game_file_layout({}); }
};
} // namespace

TEST(GameFiles, OnWindowsACopyInAFolderThatTakesNoFilesKeepsScoresInAppData) {
    ScratchFolder root;
    const std::string program = root.file("Program Files/Orvessa/");
    std::filesystem::create_directories(program + "chars");
    const std::string appdata = root.file("AppData/Roaming");
    EXPECT_FALSE(find_windows_game_file_layout(program, appdata, true).installed);
    GameFileLayout read_only = find_windows_game_file_layout(program, appdata, false);
    EXPECT_TRUE(read_only.installed);
    EXPECT_EQ(read_only.player_folder, appdata + "/Orvessa/");
    EXPECT_EQ(read_only.installed_folder, program);
    // The setup's mark makes a folder that takes files installed too.
    root.write("Program Files/Orvessa/installed.txt", "by the setup");
    EXPECT_EQ(find_windows_game_file_layout(program, appdata, true).player_folder,
              appdata + "/Orvessa/");
    // Without characters beside it, a copy is portable as it always was.
    ScratchFolder bare;
    EXPECT_FALSE(find_windows_game_file_layout(bare.path() + "/", appdata, false).installed);
    GameFileLayout no_appdata = find_windows_game_file_layout(program, "", false);
    EXPECT_EQ(no_appdata.player_folder, "");
    LayoutInUse use(no_appdata);
    std::string why;
    EXPECT_FALSE(replace_file("scores.dat", "tables", &why));
    EXPECT_NE(why.find("APPDATA"), std::string::npos) << why;
}

TEST(GameFiles, APlayersFolderWithAnyLettersSavesAndReloadsTheScores) {
    ScratchFolder root;
    const std::string program = root.file("Orvessa/");
    std::filesystem::create_directories(program + "chars");
    root.write("Orvessa/chars/face42.png", "installed face");
    const std::string appdata = root.file("Users/Zoë Łęcka 山田/AppData/Roaming");
    LayoutInUse use(find_windows_game_file_layout(program, appdata, false));
    std::string why;
    ASSERT_TRUE(replace_file("scores.dat", "tables", &why)) << why;
    EXPECT_EQ(read_all(open_read_stream("scores.dat")), "tables");
    EXPECT_EQ(file_type("scores.dat"), 1);
    EXPECT_EQ(folder_written(), appdata + "/Orvessa/");
    ASSERT_TRUE(replace_file("chars/face42.png", "my face", &why)) << why;
    EXPECT_EQ(read_all(open_read_stream("chars/face42.png")), "my face");
    StreamRef out = open_write_stream("scores.dat");
    ASSERT_TRUE(out);
    EXPECT_EQ(write_line(out, std::string_view("again")), 1);
    close_stream(out);
    EXPECT_EQ(read_line(open_read_stream("scores.dat")), "again");
}

#ifndef _WIN32
TEST(ProgramFolder, TheProgramWorksFromItsOwnFolder) {
    ScratchFolder folder;
    std::string copy = folder.file("probe");
    std::filesystem::copy_file(FOLDER_PROBE, copy);
    folder.write("beside.txt", "found me\r\n");
    std::string command = "cd / && " + copy;
    FILE* out = popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    char line[4096];
    std::string cwd = fgets(line, sizeof line, out) ? line : "";
    std::string first = fgets(line, sizeof line, out) ? line : "";
    EXPECT_EQ(pclose(out), 0);
    EXPECT_EQ(cwd, std::filesystem::canonical(folder.path()).string() + "\n");
    EXPECT_EQ(first, "found me\n");
}

namespace {

// A program folder "<root>/games/" and, when asked, an installed data folder
// "<root>/share/games/orvessa/" beside it, as a package unpacks them.
std::string stage_install(const ScratchFolder& root, bool with_data) {
    std::filesystem::create_directories(root.file("games"));
    if (with_data) std::filesystem::create_directories(root.file("share/games/orvessa/chars"));
    return root.file("games/");
}

} // namespace

TEST(GameFiles, ChoosesTheLayoutFromWhatLiesBesideTheProgram) {
    ScratchFolder root;
    std::string program = stage_install(root, true);
    GameFileLayout installed = find_game_file_layout(program, nullptr, "/home/tess");
    EXPECT_TRUE(installed.installed);
    EXPECT_EQ(installed.player_folder, "/home/tess/.local/share/orvessa/");
    EXPECT_EQ(installed.installed_folder,
              std::filesystem::canonical(root.file("share/games/orvessa")).string() + "/");
    EXPECT_EQ(find_game_file_layout(program, "/xdg/", "/home/tess").player_folder, "/xdg/orvessa/");
    // A relative XDG_DATA_HOME is no folder at all; without HOME there is none.
    EXPECT_EQ(find_game_file_layout(program, "xdg", "/h").player_folder,
              "/h/.local/share/orvessa/");
    EXPECT_EQ(find_game_file_layout(program, "", nullptr).player_folder, "");
    // A chars folder beside the program keeps everything beside it.
    std::filesystem::create_directory(root.file("games/chars"));
    EXPECT_FALSE(find_game_file_layout(program, nullptr, "/h").installed);
    ScratchFolder bare;
    EXPECT_FALSE(find_game_file_layout(stage_install(bare, false), nullptr, "/h").installed);
}

TEST(GameFiles, ThePlayersFilesComeFirstAndAllWritesGoThere) {
    ScratchFolder root;
    std::string home = root.file("home");
    LayoutInUse use(find_game_file_layout(stage_install(root, true), nullptr, home.c_str()));
    root.write("share/games/orvessa/chars/face42.png", "installed face");
    root.write("share/games/orvessa/chars/port42.png", "installed portrait");
    std::string mine = home + "/.local/share/orvessa/";
    EXPECT_EQ(file_type("scores.dat"), 0);
    ASSERT_TRUE(replace_file("scores.dat", "tables"));
    EXPECT_EQ(ScratchFolder::read(mine + "scores.dat"), "tables");
    struct stat status;
    ASSERT_EQ(stat(mine.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    std::filesystem::create_directory(mine + "chars");
    root.write("home/.local/share/orvessa/chars/face42.png", "my face");
    EXPECT_EQ(read_all(open_read_stream("chars/face42.png")), "my face");
    EXPECT_EQ(read_all(open_read_stream("chars\\face42.png")), "my face");
    EXPECT_EQ(read_all(open_read_stream("chars/port42.png")), "installed portrait");
    EXPECT_EQ(file_type("chars/port42.png"), 1);
    EXPECT_EQ(folders_read(),
              (std::vector<std::string>{mine, game_file_layout().installed_folder}));
}

TEST(GameFiles, WithoutAPlayersFolderNothingIsWritten) {
    ScratchFolder root;
    LayoutInUse use(find_game_file_layout(stage_install(root, true), nullptr, nullptr));
    std::string why;
    EXPECT_FALSE(replace_file("scores.dat", "tables", &why));
    EXPECT_NE(why.find("HOME"), std::string::npos) << why;
    EXPECT_EQ(open_write_stream("scores.dat"), nullptr);
    EXPECT_EQ(folder_written(), "");
    EXPECT_TRUE(std::filesystem::is_empty(root.file("share/games/orvessa/chars")));
    // A HOME that is no folder: the player's folder cannot be made.
    std::string home = root.write("home", "a file");
    use_game_file_layout(find_game_file_layout(root.file("games/"), nullptr, home.c_str()));
    EXPECT_FALSE(replace_file("scores.dat", "tables", &why));
    EXPECT_NE(why.find("cannot make the folder " + home), std::string::npos) << why;
}
#endif
