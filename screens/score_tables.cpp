#include "screens/score_tables.h"

#include "game/game_state.h"
#include "graphics/display.h"
#include "graphics/text.h"
#include "system/buffer_stream.h"
#include "system/game_files.h"
#include "system/safe_file.h"
#include "system/streams.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

const char* const score_file_name = "scores.dat";

namespace {

struct DefaultEntry {
    const char* name;
    int value;
};

const DefaultEntry default_cleared[SCORE_TABLE_SIZE] = {
    {"K. Tesselk", 500}, {"J. Orrimund", 400}, {"Quoraan", 300}};
const DefaultEntry default_efficiency[SCORE_TABLE_SIZE] = {
    {"A. Lumivessa", 12000}, {"P. Pyx", 10000}, {"D. Darrowen", 8000}};

// Both the default file and every rewrite go through here, so a failed save
// is reported the same way and never leaves a half-written file.
void save_bytes(const std::string& bytes) {
    std::string why;
    if (!replace_file(score_file_name, bytes, &why))
        std::fprintf(stderr, "Orvessa: the high scores could not be saved (%s)\n", why.c_str());
}

void write_default_file() {
    TBufferStream out;
    for (const DefaultEntry& entry : default_cleared) {
        out.write_line(entry.name);
        out.write_int(entry.value);
    }
    for (const DefaultEntry& entry : default_efficiency) {
        out.write_line(entry.name);
        out.write_int(entry.value);
    }
    save_bytes(out.bytes());
}

} // namespace

void load_score_tables() {
    if (file_type(score_file_name) == 0) write_default_file();
    // A file that cannot be opened (a folder of that name, no permission)
    // reads as nothing: empty names and zero values.
    StreamRef in = open_read_stream(score_file_name);
    for (int i = 0; i < SCORE_TABLE_SIZE; ++i) {
        cleared_names[i] = read_line(in);
        cleared_scores[i] = read_int(in);
    }
    for (int i = 0; i < SCORE_TABLE_SIZE; ++i) {
        efficiency_names[i] = read_line(in);
        efficiency_scores[i] = read_int(in);
    }
    close_stream(in);
}

void enter_into_table(std::string* names, int* values, const std::string& name, int value) {
    if (value > values[0]) {
        names[2] = names[1];
        values[2] = values[1];
        names[1] = names[0];
        values[1] = values[0];
        names[0] = name;
        values[0] = value;
    } else if (value > values[1]) {
        names[2] = names[1];
        values[2] = values[1];
        names[1] = name;
        values[1] = value;
    } else if (value > values[2]) {
        names[2] = name;
        values[2] = value;
    }
}

std::string score_file_bytes() {
    TBufferStream out;
    for (int i = 0; i < SCORE_TABLE_SIZE; ++i) {
        out.write_string(cleared_names[i]);
        out.write_line("");
        out.write_int(cleared_scores[i]);
    }
    for (int i = 0; i < SCORE_TABLE_SIZE; ++i) {
        out.write_string(efficiency_names[i]);
        out.write_line("");
        out.write_int(efficiency_scores[i]);
    }
    return out.bytes();
}

void update_score_tables() {
    enter_into_table(cleared_names.data(), cleared_scores.data(), player_name, score);
    // No rune dropped means no efficiency to rank; play never ends that way,
    // but the division must not run on it.
    if (runes_dropped > 0) {
        // In 32 bits, as the tables store it.
        auto efficiency =
            static_cast<std::int32_t>(static_cast<std::int64_t>(score) * 10000 / runes_dropped);
        enter_into_table(efficiency_names.data(), efficiency_scores.data(), player_name,
                         efficiency);
    }
    save_bytes(score_file_bytes());
}

std::string score_file_location() {
    std::string folder = folder_written();
    return folder.empty() ? folder : folder + score_file_name;
}

std::string percentage_text(int value) {
    // Whole percent and hundredths; values below 100 (only ever from a
    // damaged file) read "0.42%" rather than ".42%".
    long long v = value;
    std::string sign = v < 0 ? "-" : "";
    if (v < 0) v = -v;
    std::string hundredths = std::to_string(v % 100);
    if (hundredths.size() < 2) hundredths = "0" + hundredths;
    return sign + std::to_string(v / 100) + "." + hundredths + "%";
}

namespace {

// Names and values stand 80 pixels apart; a longer name is narrowed to end
// just before its value instead of running into it. Past a few dozen
// characters nothing more could be read in that room, and a name from a
// damaged file can be a megabyte long: measuring and drawing all of it every
// frame would stall the title screen, so only its start is shown.
void draw_table_name(const std::string& full_name, float y) {
    const float room = 76;
    const std::size_t longest_shown = 64;
    std::string_view name = std::string_view(full_name).substr(0, longest_shown);
    int width = text_width(name);
    if (width > room) set_scale(room / static_cast<float>(width), 1);
    draw_text(name, 48, y);
    if (width > room) set_scale(1, 1);
}

} // namespace

void draw_title_scores() {
    select_font(text_font);
    for (int i = 0; i < SCORE_TABLE_SIZE; ++i) {
        float y = static_cast<float>(290 + 18 * i);
        draw_table_name(cleared_names[i], y);
        draw_text(std::to_string(cleared_scores[i]), 128, y);
        y = static_cast<float>(364 + 18 * i);
        draw_table_name(efficiency_names[i], y);
        draw_text(percentage_text(efficiency_scores[i]), 128, y);
    }
    draw_text("Your name: " + player_name, 48, 420);
}
