#include "program/main_program.h"

#include "assets/embedded_names.h"
#include "game/game_state.h"
#include "game/program_end.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "graphics/text.h"
#include "input/input.h"
#include "program/game_loop.h"
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

namespace {

// Registers the embedded files, in the build's order, up to and including
// `last`: each is registered before the first load that needs it.
void register_files_through(EmbeddedName last) {
    static int registered = 0;
    for (; registered <= static_cast<int>(last); ++registered)
        register_built_in_file(embedded_file_names[registered]);
}

void start_up() {
    reset_game_state();
    register_files_through(EmbeddedName::sparks_png);
    sparks_image = load_image_strip(incbin(EmbeddedName::sparks_png), 40, 40, 0, 11, -1);
    center_image_handle(sparks_image);

    register_files_through(EmbeddedName::blankface_png);
    fill_key_names();

    register_files_through(EmbeddedName::pointer_png);
    title_image = load_image(incbin(EmbeddedName::titlescreen_png), -1);
    text_font = open_font(incbin(EmbeddedName::Brasswick_ttf), 20, 4);
    pointer_image = load_image(incbin(EmbeddedName::pointer_png), -1);
    set_image_handle(pointer_image, 40, 0);

    register_files_through(EmbeddedName::sparkle_wav);
    paused_image = load_image(incbin(EmbeddedName::paused_png), -1);
    center_image_handle(paused_image);
    gameover_image = load_image(incbin(EmbeddedName::gameover_png), -1);
    center_image_handle(gameover_image);
    click_sound = load_sound(incbin(EmbeddedName::click_wav), 0);
    white_sound = load_sound(incbin(EmbeddedName::white_wav), 0);
    black_sound = load_sound(incbin(EmbeddedName::black_wav), 0);
    gray_sound = load_sound(incbin(EmbeddedName::gray_wav), 0);
    sparkle_sound = load_sound(incbin(EmbeddedName::sparkle_wav), 0);

    set_app_title("Orvessa - runes of the hexagon");

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
            set_pad_keys(title_keys);
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
