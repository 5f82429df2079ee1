// The score-file reader on any bytes, as "scores.dat" in the working folder
// (the game's own folder when it runs): load and show the tables, rank a
// game into them and save, then check the saved file reads back as the
// tables that were saved.
#include "game/game_state.h"
#include "screens/score_tables.h"
#include "tests/fuzz/fuzz_input.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// A folder of our own, in memory where the system has one, so that the
// saves (which sync to disk) stay cheap. Made once; removed at exit.
const std::string& scratch_folder() {
    static const std::string folder = [] {
        std::string made;
        for (const char* base : {"/dev/shm", "/tmp"}) {
            std::string pattern = std::string(base) + "/orvessa-score-fuzz-XXXXXX";
            if (mkdtemp(pattern.data())) {
                made = pattern;
                break;
            }
        }
        if (made.empty()) fuzz_fail("no scratch folder");
        return made;
    }();
    static const bool cleanup = [] {
        std::atexit([] {
            std::remove((folder + "/" + score_file_name).c_str());
            std::remove((folder + "/" + score_file_name + ".new").c_str());
            rmdir(folder.c_str());
        });
        return true;
    }();
    (void)cleanup;
    return folder;
}

// The game finds its score file in the working folder. The fuzzer finds its
// inputs by paths that may be relative, so the working folder is the
// scratch one only while an input runs.
class InScratchFolder {
  public:
    InScratchFolder() : back_(open(".", O_RDONLY | O_DIRECTORY)) {
        if (back_ < 0 || chdir(scratch_folder().c_str()) != 0) fuzz_fail("cannot enter folder");
    }
    ~InScratchFolder() {
        if (fchdir(back_) != 0) fuzz_fail("cannot return to the working folder");
        close(back_);
    }

  private:
    int back_;
};

void write_file(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(score_file_name, "wb");
    if (!file) fuzz_fail("cannot write the score file");
    if (size > 0 && std::fwrite(data, 1, size, file) != size) fuzz_fail("short write");
    std::fclose(file);
}

struct Tables {
    std::array<std::string, SCORE_TABLE_SIZE> cleared_names, efficiency_names;
    std::array<int, SCORE_TABLE_SIZE> cleared_scores, efficiency_scores;
    bool operator==(const Tables&) const = default;
};

Tables current_tables() {
    return {cleared_names, efficiency_names, cleared_scores, efficiency_scores};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_display();
    InScratchFolder scratch;
    write_file(data, size);
    load_score_tables();
    draw_title_scores();

    // A game ends with numbers taken from the file, so that ranking and the
    // efficiency division meet hostile values too.
    player_name = cleared_names[2];
    score = cleared_scores[1];
    runes_dropped = efficiency_scores[2];
    update_score_tables();
    Tables saved = current_tables();
    load_score_tables();
    if (!(current_tables() == saved)) fuzz_fail("the saved tables read back differently");
    return 0;
}
