#include "screens/character_select.h"

#include "assets/embedded_names.h"
#include "audio/sound.h"
#include "game/game_state.h"
#include "game/program_end.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "graphics/text.h"
#include "input/input.h"
#include "input/key_codes.h"
#include "system/game_files.h"
#include "system/messages.h"
#include "system/streams.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {
enum SelectTest { left_test, right_test, up_test, down_test, drop_test, enter_test };
const TKeyTests no_character_keys{{{0, key::escape, pad::back}}};
} // namespace

const TKeyTests select_keys{
    {left_test, key::left, pad::left},
    {right_test, key::right, pad::right},
    {up_test, key::up, pad::up},
    {down_test, key::down, pad::down},
    {drop_test, &key_drop, pad::a | pad::start},
    {enter_test, key::enter, pad::a | pad::start},
};

namespace {

struct Honeycomb {
    ImageRef faces[6][6];
    ImageRef portraits[6][6];
    int cell_ids[6][6];
    ImageRef background;
    ImageRef cursor;
};

std::string cell_digits(int column, int row) {
    return std::to_string(column) + std::to_string(row);
}

void fill(Honeycomb& comb) {
    for (int column = 1; column <= 5; ++column) {
        for (int row = 1; row <= 5; ++row) {
            std::string face = "chars/face" + cell_digits(column, row) + ".png";
            if (file_type(face) > 0) {
                comb.faces[column][row] = load_image(face, -1);
                comb.portraits[column][row] =
                    load_image("chars/port" + cell_digits(column, row) + ".png", -1);
                comb.cell_ids[column][row] = 10 * column + row;
            } else {
                comb.faces[column][row] = load_image(incbin(EmbeddedName::blankface_png), -1);
                comb.cell_ids[column][row] = -1;
            }
        }
    }
}

bool any_character(const Honeycomb& comb) {
    for (int column = 1; column <= 5; ++column)
        for (int row = 1; row <= 5; ++row)
            if (in_honeycomb(column, row) && comb.cell_ids[column][row] > 0) return true;
    return false;
}

void draw_faces(const Honeycomb& comb, int cur_column, int cur_row) {
    for (int column = 1; column <= 5; ++column) {
        for (int row = 1; row <= 5; ++row) {
            if (!in_honeycomb(column, row)) continue;
            float x = static_cast<float>(cell_x(column, row));
            float y = static_cast<float>(cell_y(column, row));
            draw_image(comb.faces[column][row], x, y, 0);
            if (column == cur_column && row == cur_row) draw_image(comb.cursor, x, y, 0);
        }
    }
}

// Without a single character there is nothing to choose: say why instead of
// waiting forever on an empty honeycomb, and end the program on Escape.
[[noreturn]] void report_no_characters(const Honeycomb& comb, const ChannelRef& channel) {
    const char* message = "No characters were found in the chars folder beside the program.";
    set_pad_keys(no_character_keys);
    flush_keys();
    select_font(text_font);
    for (;;) {
        clear_frame();
        set_alpha(1);
        set_color(255, 255, 255);
        draw_image(comb.background, 0, 0, 0);
        set_color(0, 0, 0);
        set_alpha(0.7f);
        draw_rect(20, 200, 600, 80);
        set_alpha(1);
        set_color(255, 255, 255);
        draw_text(message, static_cast<float>(320 - text_width(message) / 2), 214);
        const char* hint = "Press Escape to quit.";
        draw_text(hint, static_cast<float>(320 - text_width(hint) / 2), 246);
        present_frame(-1);
        if (TKeyPass(no_character_keys).hit(0)) break;
    }
    stop_channel(channel);
    std::fprintf(stderr, "Orvessa: %s\n", message);
    throw ProgramEnd{1};
}

} // namespace

std::vector<std::string> character_folders() {
    std::vector<std::string> folders = folders_read();
    for (std::string& folder : folders) folder += "chars/";
    return folders;
}

bool in_honeycomb(int column, int row) {
    return column >= 1 && column <= 5 && row >= 1 && row <= 5 && column + row >= 4 &&
           column + row <= 8;
}

int cell_x(int column, int) {
    return 80 * column + 120;
}
int cell_y(int column, int row) {
    return 80 * row + 40 * column - 160;
}

void move_select_cursor(int key, int& column, int& row) {
    int sum = column + row;
    if (key == key::left && sum > 4 && column > 1) column -= 1;
    if (key == key::right && sum < 8 && column < 5) column += 1;
    if (key == key::up && sum > 4 && row > 1) row -= 1;
    if (key == key::down && sum < 8 && row < 5) row += 1;
}

int run_character_select() {
    flush_keys();
    SoundRef select_music = load_sound(incbin(EmbeddedName::select_ogg), 1);
    ChannelRef select_channel = play_sound(select_music);
    set_channel_volume(select_channel, 1);
    Honeycomb comb{};
    comb.background = load_image(incbin(EmbeddedName::charscreen_png), -1);
    comb.cursor = load_image(incbin(EmbeddedName::cursor_png), -1);
    set_alpha(1);
    set_transform(0, 1, 1);
    set_color(255, 255, 255);
    fill(comb);
    if (!any_character(comb)) report_no_characters(comb, select_channel);

    ImageRef snapshot = create_image(640, 480, 1, 8);
    int cur_column = 3, cur_row = 3;

    for (float fade = 0; fade <= 1; fade += 0.05f) {
        clear_frame();
        set_alpha(fade);
        draw_image(comb.background, 0, 0, 0);
        set_alpha(std::sqrt(fade));
        draw_faces(comb, cur_column, cur_row);
        present_frame(-1);
    }
    set_alpha(1);

    for (;;) {
        clear_frame();
        draw_image(comb.background, 0, 0, 0);
        draw_image(comb.portraits[cur_column][cur_row], 0, 0, 0);
        draw_faces(comb, cur_column, cur_row);
        TKeyPass keys(select_keys);
        for (int arrow : {left_test, right_test, up_test, down_test})
            if (keys.hit(arrow))
                move_select_cursor(select_keys[arrow].key.code(), cur_column, cur_row);
        // The drop key confirms unless an arrow test above took its hit.
        if ((keys.hit(drop_test) || keys.hit(enter_test)) && comb.cell_ids[cur_column][cur_row] > 0)
            break;
        present_frame(-1);
    }

    capture_image(snapshot, 0, 0, 0);
    const ImageRef& portrait = comb.portraits[cur_column][cur_row];
    for (float fade = 1; fade >= 0; fade -= 0.05f) {
        clear_frame();
        set_channel_volume(select_channel, fade);
        delay(30);
        set_alpha(fade);
        draw_image(snapshot, 0, 0, 0);
        set_alpha(1);
        draw_image(portrait, 0, 0, 0);
        present_frame(-1);
    }
    clear_frame();
    draw_image(portrait, 0, 0, 0);
    present_frame(-1);
    stop_channel(select_channel);
    return comb.cell_ids[cur_column][cur_row];
}
