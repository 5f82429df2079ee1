#include "system/safe_file.h"
#include "tests/support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

TEST(ReplaceFile, WritesNewContentAndLeavesNoTemporaryBehind) {
    ScratchFolder folder;
    std::string path = folder.write("scores.dat", "old");
    std::string why;
    ASSERT_TRUE(replace_file(path, std::string_view("new content\r\n", 13), &why)) << why;
    EXPECT_EQ(ScratchFolder::read(path), "new content\r\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    ASSERT_TRUE(replace_file(folder.file("fresh"), "x"));
    EXPECT_EQ(ScratchFolder::read(folder.file("fresh")), "x");
}

#ifndef _WIN32
TEST(ReplaceFile, AReadOnlyFolderKeepsTheOldFileAndSaysWhy) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ScratchFolder folder;
    std::string path = folder.write("scores.dat", "old");
    chmod(folder.path().c_str(), 0555);
    std::string why;
    EXPECT_FALSE(replace_file(path, "new", &why));
    chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(ScratchFolder::read(path), "old");
    EXPECT_NE(why.find("cannot create"), std::string::npos) << why;
}
#endif

TEST(ReplaceFile, AFolderInTheWayIsNotReplaced) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.file("scores.dat"));
    std::string why;
    EXPECT_FALSE(replace_file(folder.file("scores.dat"), "new", &why));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("scores.dat")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("scores.dat.new")));
    EXPECT_FALSE(why.empty());
#ifdef _WIN32
    // Nor is a device, which answers to its name in every folder.
    EXPECT_FALSE(replace_file(folder.file("NUL"), "new"));
#endif
}

TEST(ReplaceFile, ATemporaryLeftByAnInterruptedRewriteIsTakenOver) {
    ScratchFolder folder;
    std::string path = folder.write("scores.dat", "old");
    folder.write("scores.dat.new", "half written");
    EXPECT_EQ(ScratchFolder::read(path), "old");
    ASSERT_TRUE(replace_file(path, "new"));
    EXPECT_EQ(ScratchFolder::read(path), "new");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}
