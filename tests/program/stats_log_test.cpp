// The diagnostic log that long runs are watched through.
#include "program/stats_log.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>
#include <vector>

namespace {

std::vector<std::vector<long long>> data_lines(const std::string& text, int* headers) {
    std::vector<std::vector<long long>> rows;
    std::istringstream lines(text);
    std::string line;
    *headers = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("#", 0) == 0) {
            ++*headers;
            continue;
        }
        std::istringstream fields(line);
        std::vector<long long> row;
        long long value;
        while (fields >> value) row.push_back(value);
        // Then the name of the way the picture is shown: none without a display.
        fields.clear();
        std::string shown_by;
        EXPECT_TRUE(fields >> shown_by && shown_by == "none" && fields.eof()) << line;
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(StatsLog, AppendsALinePerPeriodWithMemoryTexturesAndFramesUntilStopped) {
    ScratchFolder folder;
    std::string path = folder.file("stats.txt");
    ASSERT_TRUE(start_stats_log(path, 20));
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    stop_stats_log();
    stop_stats_log(); // a second stop is harmless
    int headers = 0;
    auto rows = data_lines(ScratchFolder::read(path), &headers);
    EXPECT_EQ(headers, 1);
    // One at the start, one at the stop, and several in between.
    ASSERT_GE(rows.size(), 4u);
    long long previous_time = -1;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 7u);
        EXPECT_GE(row[0], previous_time);
        previous_time = row[0];
        EXPECT_GT(row[1], 1000) << "resident memory in kB";
        EXPECT_EQ(row[2], 0) << "no display, no textures";
        for (long long field : row) EXPECT_GE(field, 0);
    }
    EXPECT_GE(rows.back()[0], 100);

    // A second run adds to the same file.
    ASSERT_TRUE(start_stats_log(path, 1000));
    stop_stats_log();
    rows = data_lines(ScratchFolder::read(path), &headers);
    EXPECT_EQ(headers, 2);
}

TEST(StatsLog, AFileThatCannotBeWrittenIsRefusedAndTheProgramGoesOn) {
    ScratchFolder folder;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(start_stats_log(folder.file("no/such/folder/stats.txt"), 20));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("stats"), std::string::npos);
    stop_stats_log();
    EXPECT_GT(resident_kb(), 0);
}
