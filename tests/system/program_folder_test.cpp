#include "tests/support/scratch_folder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

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
