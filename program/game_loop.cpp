#include "program/game_loop.h"

#include "audio/sound.h"
#include "game/board.h"
#include "game/falling.h"
#include "game/game_state.h"
#include "game/play_frame.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "input/input.h"
#include "input/key_codes.h"
#include "screens/character_select.h"
#include "screens/score_tables.h"
#include "system/timer.h"

#include <string>

namespace {
enum PlayTest { left_test, right_test, drop_test, pause_test };
enum PauseTest { give_up_test, resume_test };
} // namespace

const TKeyTests play_keys{
    {left_test, &key_left, pad::left},
    {right_test, &key_right, pad::right},
    {drop_test, &key_drop, pad::a},
    {pause_test, key::p, pad::start},
};
const TKeyTests pause_keys{
    {give_up_test, key::escape, pad::b | pad::back},
    {resume_test, key::p, pad::start},
};
const TKeyTests game_over_keys{{{0, key::enter, pad::any}}, true};

namespace {

// The frame drawn so far, dimmed, under the pause banner until P resumes or
// Escape gives up the game. Nothing moves meanwhile; the music plays on.
void run_pause_screen() {
    set_pad_keys(pause_keys);
    flush_keys();
    ImageRef snapshot = snapshot_back_buffer();
    for (;;) {
        draw_pause_picture(snapshot);
        present_frame(-1);
        TKeyPass keys(pause_keys);
        game_aborted = keys.hit(give_up_test);
        if (keys.hit(resume_test) || game_aborted) break;
    }
    flush_keys();
    set_pad_keys(play_keys);
}

// The frozen board fades to half brightness while the banner slides down
// and the music fades out; then any key returns to the title.
void run_game_over(const TimerRef& frame_timer, const ChannelRef& music_channel) {
    set_pad_keys(game_over_keys);
    ImageRef snapshot = snapshot_back_buffer();
    update_score_tables();
    set_color(255, 255, 255);
    for (float y = 0; y <= 240; y += 4) {
        clear_frame();
        set_alpha((480 - y) / 480);
        draw_image(snapshot, 0, 0, 0);
        set_alpha(1);
        draw_image(gameover_image, 240, y, 0);
        present_frame(-1);
        set_channel_volume(music_channel, (240 - y) / 240);
        wait_timer(frame_timer);
    }
    stop_channel(music_channel);
    wait_key();
}

} // namespace

ImageRef snapshot_back_buffer() {
    ImageRef snapshot = create_image(640, 480, 1, -1);
    capture_image(snapshot, 0, 0, 0);
    return snapshot;
}

void draw_pause_picture(const ImageRef& snapshot) {
    clear_frame();
    set_color(255, 255, 255);
    set_alpha(0.5f);
    draw_image(snapshot, 0, 0, 0);
    set_alpha(1);
    draw_image(paused_image, 240, 240, 0);
}

void load_character_assets(int character_id) {
    // The select screen's music has just stopped: let it go before a
    // character's track is decoded beside it.
    release_stopped_sounds();
    std::string id = std::to_string(character_id);
    board_image = load_image("chars/board" + id + ".png", -1);
    rune_image = load_image_strip("chars/runes" + id + ".png", 40, 40, 0, 11, -1);
    music = load_sound("chars/music" + id + ".ogg", 1);
    digit_image = load_image_strip("chars/score" + id + ".png", 24, 24, 0, 10, -1);
}

void release_character_assets() {
    board_image = rune_image = digit_image = nullptr;
    music = nullptr;
}

bool read_play_keys() {
    TKeyPass keys(play_keys);
    if (keys.hit(left_test) && cursor_column > 0) cursor_column -= 1;
    if (keys.hit(right_test) && cursor_column < 8) cursor_column += 1;
    if (keys.hit(drop_test)) drop_rune();
    return keys.hit(pause_test) != 0;
}

void play_one_game() {
    set_pad_keys(select_keys);
    int character_id = run_character_select();
    set_pad_keys(play_keys);
    load_character_assets(character_id);
    TimerRef frame_timer = create_timer(60);

    // The first kind is chosen before the board is emptied: the leftovers of
    // the last game still count toward the chance of a special rune.
    new_game_state(choose_next_kind());
    flush_keys();
    ChannelRef music_channel = play_sound(music);

    while (!game_aborted && active_rune_count() < 67) {
        play_frame_rules();
        if (read_play_keys()) run_pause_screen();
        wait_timer(frame_timer);
        present_frame(-1);
    }
    present_frame(-1);
    flush_keys();
    if (game_aborted)
        stop_channel(music_channel);
    else
        run_game_over(frame_timer, music_channel);
    // A fresh timer comes with the next game; this one is done.
    stop_timer(frame_timer);
    // The next game loads its character's afresh: the title and the select
    // screen need neither this music nor these pictures meanwhile.
    release_character_assets();
}
