// Rewrites the score file again and again through the game's own loading and
// saving code, alternating between two tables, for a test that kills it with
// SIGKILL at random moments and then checks what is left on disk.
//
// Usage: save_loop <folder> [saves]   (without a count it saves until killed)
//
// If SAVE_PHASE names a two-byte file, the loop records in it, before each
// save, 'b' and the table it is about to write ('A' or 'B'); the preloaded
// slow-save shim then marks when the temporary file is open and when the
// rename has happened.
#include "game/game_state.h"
#include "screens/score_tables.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>

namespace {

struct Table {
    const char* names[6];
    int values[6];
};

// The game's default table, and one whose records differ in length and value
// so that any mixture of the two shows.
const Table tables[2] = {
    {{"K. Tesselk", "J. Orrimund", "Quoraan", "A. Lumivessa", "P. Pyx", "D. Darrowen"},
     {500, 400, 300, 12000, 10000, 8000}},
    {{"Second table, first entry", "B", "Third of the second", "Eff", "Efficient two",
      "The last one of all"},
     {987654, 5432, 77, 31415, 2718, 1414}},
};

void set_tables(const Table& table) {
    for (int i = 0; i < SCORE_TABLE_SIZE; ++i) {
        cleared_names[i] = table.names[i];
        cleared_scores[i] = table.values[i];
        efficiency_names[i] = table.names[3 + i];
        efficiency_scores[i] = table.values[3 + i];
    }
}

std::string bytes_of(const Table& table) {
    set_tables(table);
    return score_file_bytes();
}

char* map_phase() {
    const char* path = std::getenv("SAVE_PHASE");
    if (!path) return nullptr;
    int fd = open(path, O_RDWR);
    if (fd < 0) return nullptr;
    void* map = mmap(nullptr, 2, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    return map == MAP_FAILED ? nullptr : static_cast<char*>(map);
}

void pause_ms(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "usage: save_loop <folder> [saves]\n");
        return 2;
    }
    long saves = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 0;
    const std::string expected[2] = {bytes_of(tables[0]), bytes_of(tables[1])};
    char* phase = map_phase();

    // What the last run left must be one whole table; the next save writes
    // the other one. (A missing file comes back as the default table.)
    load_score_tables();
    std::string found = score_file_bytes();
    int next;
    if (found == expected[0])
        next = 1;
    else if (found == expected[1])
        next = 0;
    else {
        std::fprintf(stderr, "save_loop: the score file holds neither table\n");
        return 3;
    }

    for (long done = 0; saves == 0 || done < saves; ++done) {
        if (phase) phase[1] = static_cast<char>('A' + next), phase[0] = 'b';
        pause_ms(4);
        set_tables(tables[next]);
        score = 0; // enters neither table: the rewrite alone is under test
        runes_dropped = 0;
        update_score_tables();
        pause_ms(4);
        next = 1 - next;
    }
    return 0;
}
