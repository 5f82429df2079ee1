// The two top-three tables (most runes cleared, most efficient players) and
// their file, "scores.dat": beside the program, or in the player's data
// folder when the game is installed (system/game_files.h decides).
//
// The file is six records and nothing else: the cleared table best first,
// then the efficiency table best first. A record is the name (one byte per
// character), CR LF, and the value as a little-endian 32-bit integer.
#pragma once

#include <string>

// Writes the default file when nothing named "scores.dat" exists, then reads
// both tables from it. A file that cannot be read gives empty tables; a file
// cut short reads as far as it goes.
void load_score_tables();

// Ranks the game just ended (score, runes dropped, player name) into both
// tables and rewrites the file. The rewrite replaces the file in one step, so
// a crash leaves the old tables or the new ones; if it fails, the tables in
// memory stay and one line on standard error says why.
void update_score_tables();

// Draws both tables and the player's name on the title screen, in the
// current colour with the title font.
void draw_title_scores();

// 8000 -> "80.00%", 12000 -> "120.00%", 42 -> "0.42%".
std::string percentage_text(int value);

// The file's bytes for the tables in memory.
std::string score_file_bytes();

// Enters (name, value) into a table of three, best first, if it beats an
// entry; a tie ranks below the entry it ties.
void enter_into_table(std::string* names, int* values, const std::string& name, int value);

// The name the score file is asked for by.
extern const char* const score_file_name;

// The score file's full path, for telling the player where it is; empty
// when there is nowhere to keep it (no HOME for an installed game).
std::string score_file_location();
