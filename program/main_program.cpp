#include "program/main_program.h"

#include "game/game_state.h"
#include "game/program_end.h"
#include "game/sparkles.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "graphics/text.h"
#include "input/input.h"
#include "program/game_loop.h"
#include "program/pad_keys.h"
#include "screens/key_names.h"
#include "screens/score_tables.h"
#include "screens/splash.h"
#include "screens/title_menu.h"
#include "system/embedded.h"
#include "system/event.h"
#include "system/messages.h"
#include "system/random.h"

#include "audio/sound.h"
#include "platform/platform.h"
#include "platform/process.h"

#include <cstdio>

const char* const embedded_file_names[17] = {
    "sparks.png",   "kovname.png",   "kovjingle.ogg",   "select.ogg",    "charscreen.png",
    "cursor.png",   "blankface.png", "titlescreen.png", "Brasswick.ttf", "pointer.png",
    "gameover.png", "paused.png",    "click.wav",       "white.wav",     "black.wav",
    "gray.wav",     "sparkle.wav"};

namespace {

void register_files(int first, int count) {
    for (int i = first; i < first + count; ++i) register_built_in_file(embedded_file_names[i]);
}

void start_up() {
    register_files(0, 1);
    sparks_image = load_image_strip("incbin::sparks.png", 40, 40, 0, 11, -1);
    center_image_handle(sparks_image);

    register_files(1, 6);
    fill_key_names();

    register_files(7, 3);
    title_image = load_image("incbin::titlescreen.png", -1);
    text_font = open_font("incbin::Brasswick.ttf", 20, 4);
    pointer_image = load_image("incbin::pointer.png", -1);
    set_image_handle(pointer_image, 40, 0);

    key_left = 37;
    key_right = 39;
    key_drop = 32;

    register_files(10, 7);
    paused_image = load_image("incbin::paused.png", -1);
    center_image_handle(paused_image);
    gameover_image = load_image("incbin::gameover.png", -1);
    center_image_handle(gameover_image);
    click_sound = load_sound("incbin::click.wav", 0);
    white_sound = load_sound("incbin::white.wav", 0);
    black_sound = load_sound("incbin::black.wav", 0);
    gray_sound = load_sound("incbin::gray.wav", 0);
    sparkle_sound = load_sound("incbin::sparkle.wav", 0);

    set_app_title("Orvessa - runes of the hexagon");
    for (auto& column : board) column.fill(nullptr);
    clear_sparkles();

    // Without a window there is nothing to play in: say so, and why, rather
    // than run on unseen.
    if (!open_display(640, 480, 0, 60, 0)) {
        const std::string why = "cannot open a window: " + platform::window_error();
        std::fprintf(stderr, "orvessa: %s\n", why.c_str());
        platform::show_error_box("Orvessa", "Orvessa " + why);
        throw ProgramEnd{1};
    }
    set_mask_color(255, 0, 255);
    set_blend(3);
    seed_random(clock_ms());

    run_splash();
    load_score_tables();
}

// The window's close button, or a termination signal, ends the program from
// whatever screen is showing, as quitting from the title menu does: an
// unfinished game enters no score.
EventRef end_on_terminate(int, EventRef event, void*) {
    if (event && event->id == EVENT_APP_TERMINATE) throw ProgramEnd{0};
    return event;
}

} // namespace

int main_program() {
    add_hook(emit_event_hook_id(), end_on_terminate, nullptr, 100);
    int status = 0;
    try {
        start_up();
        while (!quit_requested) {
            // Pads are looked for from here on, after the splash.
            set_pad_keys(title_pad_keys);
            run_title_menu();
            if (quit_requested) break;
            play_one_game();
        }
    } catch (const ProgramEnd& end) {
        status = end.status;
    }
    remove_hook(emit_event_hook_id(), end_on_terminate, nullptr);
    show_mouse();
    return status;
}
