#include "screens/title_menu.h"

#include "audio/sound.h"
#include "game/game_state.h"
#include "game/sparkle_spawners.h"
#include "game/sparkles.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "graphics/text.h"
#include "input/input.h"
#include "input/key_codes.h"
#include "screens/key_setup.h"
#include "screens/name_entry.h"
#include "screens/score_tables.h"
#include "system/random.h"
#include "system/timer.h"

namespace {
enum TitleTest {
    arrow_left_test,
    left_test,
    arrow_right_test,
    right_test,
    enter_test,
    escape_test
};
} // namespace

const TKeyTests title_keys{
    {arrow_left_test, key::left, pad::left},       {left_test, &key_left, pad::left},
    {arrow_right_test, key::right, pad::right},    {right_test, &key_right, pad::right},
    {enter_test, key::enter, pad::a | pad::start}, {escape_test, key::escape, pad::back},
};

namespace {

void draw_title_at(int brightness) {
    clear_frame();
    set_color(brightness, brightness, brightness);
    draw_image(title_image, 0, 0, 0);
    present_frame(-1);
}

} // namespace

int menu_left(int selection) {
    return (selection + 2) % 3;
}
int menu_right(int selection) {
    return (selection + 1) % 3;
}

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
        TKeyPass keys(title_keys);
        if (keys.hit(arrow_left_test) || keys.hit(left_test))
            menu_selection = menu_left(menu_selection);
        if (keys.hit(arrow_right_test) || keys.hit(right_test))
            menu_selection = menu_right(menu_selection);
        if (keys.hit(enter_test)) {
            if (menu_selection == 0) run_name_entry();
            if (menu_selection == 1) {
                play_sound(sparkle_sound);
                start_requested = true;
            }
            if (menu_selection == 2) run_key_setup();
        }
        if (keys.hit(escape_test)) quit_requested = 1;

        draw_image(pointer_image, static_cast<float>(120 + 200 * menu_selection), 448, 0);
        draw_text("version 1.0", 540, 240);
        present_frame(-1);
    }
    for (int b = 255; b >= 0; b -= 5) draw_title_at(b);
    // The menu's timer is done; a new one comes with the next visit.
    stop_timer(timer);
}
