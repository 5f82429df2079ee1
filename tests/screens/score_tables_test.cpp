#include "game/game_state.h"
#include "screens/score_tables.h"
#include "tests/support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string record(const std::string& name, int value) {
    std::string bytes = name + "\r\n";
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    return bytes;
}

std::string default_file() {
    return record("K. Tesselk", 500) + record("J. Orrimund", 400) + record("Quoraan", 300) +
           record("A. Lumivessa", 12000) + record("P. Pyx", 10000) + record("D. Darrowen", 8000);
}

// Each test runs in a scratch folder as the program's working folder.
class ScoreFile : public testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.path());
        reset_game_state();
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    void finish_game(const std::string& name, int cleared, int dropped) {
        player_name = name;
        score = cleared;
        runes_dropped = dropped;
        update_score_tables();
    }

    ScratchFolder folder_;
    std::filesystem::path previous_;
};

} // namespace

TEST_F(ScoreFile, AMissingFileIsWrittenWithTheDefaultsThenRead) {
    load_score_tables();
    EXPECT_EQ(ScratchFolder::read("scores.dat"), default_file());
    EXPECT_EQ(cleared_names[0], "K. Tesselk");
    EXPECT_EQ(cleared_scores[2], 300);
    EXPECT_EQ(efficiency_names[1], "P. Pyx");
    EXPECT_EQ(efficiency_scores[0], 12000);
    EXPECT_FALSE(std::filesystem::exists("scores.dat.new"));
}

TEST_F(ScoreFile, RankingIsStrictAndPushesEntriesDown) {
    load_score_tables();
    finish_game("Ada", 450, 1000); // efficiency 4500: does not enter
    EXPECT_EQ(cleared_names[1], "Ada");
    EXPECT_EQ(cleared_scores[1], 450);
    EXPECT_EQ(cleared_names[2], "J. Orrimund");
    EXPECT_EQ(cleared_scores[2], 400);

    finish_game("Tie", 500, 1000);
    EXPECT_EQ(cleared_names[0], "K. Tesselk") << "a tie ranks below the entry it ties";
    EXPECT_EQ(cleared_names[1], "Tie");
    EXPECT_EQ(cleared_names[2], "Ada");

    finish_game("Low", 450, 1000);
    EXPECT_EQ(cleared_names[2], "Ada") << "equal to the third does not enter";
}

TEST_F(ScoreFile, EfficiencyNeedsToBeatTheThirdEntry) {
    load_score_tables();
    finish_game("Even", 80, 100); // exactly 8000
    EXPECT_EQ(efficiency_names[2], "D. Darrowen");
    finish_game("Better", 8001, 10000);
    EXPECT_EQ(efficiency_names[2], "Better");
    EXPECT_EQ(efficiency_scores[2], 8001);
    EXPECT_EQ(percentage_text(efficiency_scores[2]), "80.01%");
}

TEST_F(ScoreFile, EveryFinishedGameRewritesTheFileAndItReadsBack) {
    load_score_tables();
    finish_game("Trailing ", 10, 50); // enters neither table
    EXPECT_EQ(ScratchFolder::read("scores.dat"), default_file());
    finish_game("Trailing ", 900, 1000);
    std::string saved = ScratchFolder::read("scores.dat");
    EXPECT_EQ(saved.substr(0, 15), record("Trailing ", 900));
    reset_game_state();
    load_score_tables();
    EXPECT_EQ(cleared_names[0], "Trailing ") << "the trailing space survives";
    EXPECT_EQ(efficiency_names[0], "A. Lumivessa");
    EXPECT_EQ(efficiency_scores[2], 9000);
}

TEST_F(ScoreFile, NoRuneDroppedLeavesTheEfficiencyTableAlone) {
    load_score_tables();
    finish_game("Nobody", 600, 0);
    EXPECT_EQ(cleared_names[0], "Nobody");
    EXPECT_EQ(efficiency_names[0], "A. Lumivessa");
    EXPECT_EQ(efficiency_scores[2], 8000);
}

TEST_F(ScoreFile, AFileCutInTheFifthRecordReadsAsFarAsItGoes) {
    std::string whole = default_file();
    size_t fifth = record("K. Tesselk", 500).size() + record("J. Orrimund", 400).size() +
                   record("Quoraan", 300).size() + record("A. Lumivessa", 12000).size();
    // "P. Pyx" CR LF and the low two bytes of 10000.
    folder_.write("scores.dat", whole.substr(0, fifth + 8 + 2));
    load_score_tables();
    EXPECT_EQ(efficiency_names[1], "P. Pyx");
    EXPECT_EQ(efficiency_scores[1], 10000 & 0xffff);
    EXPECT_EQ(efficiency_names[2], "");
    EXPECT_EQ(efficiency_scores[2], 0);
    EXPECT_EQ(percentage_text(efficiency_scores[2]), "0.00%");
}

TEST_F(ScoreFile, AnUnreadableFileGivesEmptyTablesAndIsNotReplaced) {
    std::filesystem::create_directory("scores.dat");
    load_score_tables();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(cleared_names[i], "");
        EXPECT_EQ(cleared_scores[i], 0);
        EXPECT_EQ(efficiency_scores[i], 0);
    }
    testing::internal::CaptureStderr();
    finish_game("Someone", 5, 10);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(cleared_names[0], "Someone") << "the tables in memory stay usable";
    EXPECT_TRUE(std::filesystem::is_directory("scores.dat"));
    EXPECT_NE(said.find("could not be saved"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
}

TEST(PercentageText, HundredthsOfAPercent) {
    EXPECT_EQ(percentage_text(8000), "80.00%");
    EXPECT_EQ(percentage_text(12000), "120.00%");
    EXPECT_EQ(percentage_text(1234), "12.34%");
    EXPECT_EQ(percentage_text(100), "1.00%");
    EXPECT_EQ(percentage_text(42), "0.42%");
    EXPECT_EQ(percentage_text(5), "0.05%");
    EXPECT_EQ(percentage_text(0), "0.00%");
    EXPECT_EQ(percentage_text(-5), "-0.05%");
}
