#include "screens/title_menu.h"

#include "audio/sound.h"
#include "game/game_state.h"
#include "game/sparkle_spawners.h"
#include "game/sparkles.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "graphics/text.h"
#include "input/input.h"
#include "screens/key_setup.h"
#include "screens/name_entry.h"
#include "screens/score_tables.h"
#include "system/random.h"
#include "system/timer.h"

namespace {

const int key_enter = 13, key_escape = 27, arrow_left = 37, arrow_right = 39;

void draw_title_at(int brightness) {
    clear_frame();
    set_color(brightness, brightness, brightness);
    draw_image(title_image, 0, 0, 0);
    present_frame(-1);
}

} // namespace

int menu_left(int selection) { return (selection + 2) % 3; }
int menu_right(int selection) { return (selection + 1) % 3; }

void run_title_menu() {
    set_blend(3);
    TimerRef timer = create_timer(60);
    for (int b = 0; b <= 255; b += 5) draw_title_at(b);

    int menu_selection = 1;
    int spark_counter = 0;
    bool start_requested = false;
    while (!start_requested && !quit_requested) {
        clear_frame();
        if (spark_counter % 60 == 0) {
            int kind = random_int(0, 6);
            int y = random_int(0, 480);
            int x = random_int(0, 640);
            spawn_burst(x, y, kind);
        }
        draw_image(title_image, 0, 0, 0);
        spark_counter += random_int(0, 10);
        wait_timer(timer);
        draw_title_scores();
        draw_key_bindings();
        update_sparkles();

        // The arrows always work; a bound key only when its arrow was not hit.
        if (key_hit(arrow_left) || key_hit(key_left)) menu_selection = menu_left(menu_selection);
        if (key_hit(arrow_right) || key_hit(key_right))
            menu_selection = menu_right(menu_selection);
        if (key_hit(key_enter)) {
            if (menu_selection == 0) run_name_entry();
            if (menu_selection == 1) {
                play_sound(sparkle_sound);
                start_requested = true;
            }
            if (menu_selection == 2) run_key_setup();
        }
        if (key_hit(key_escape)) quit_requested = 1;

        draw_image(pointer_image, static_cast<float>(120 + 200 * menu_selection), 448, 0);
        draw_text("version 1.0", 540, 240);
        present_frame(-1);
    }
    for (int b = 255; b >= 0; b -= 5) draw_title_at(b);
    // The menu's timer is done; a new one comes with the next visit.
    stop_timer(timer);
}
