#include "screens/key_setup.h"

#include "game/game_state.h"
#include "graphics/display.h"
#include "graphics/text.h"
#include "input/input.h"
#include "input/key_codes.h"
#include "screens/key_names.h"

void draw_key_bindings() {
    select_font(text_font);
    draw_text("Left: " + key_name(key_left), 440, 340);
    draw_text("Right: " + key_name(key_right), 440, 360);
    draw_text("Drop: " + key_name(key_drop), 440, 380);
}

int capture_key(const ImageRef& background, const std::string& prompt, int y) {
    flush_keys();
    clear_frame();
    set_alpha(0.5f);
    draw_image(background, 0, 0, 0);
    set_alpha(1);
    draw_text(prompt, 100, static_cast<float>(y));
    present_frame(-1);
    int chosen;
    do {
        chosen = wait_key();
    } while (chosen == key::p); // P is kept for pausing
    return chosen;
}

void run_key_setup() {
    ImageRef snapshot = create_image(640, 480, 1, -1);
    capture_image(snapshot, 0, 0, 0);
    clear_frame();
    set_color(255, 255, 255);
    set_alpha(0.5f);
    draw_image(snapshot, 0, 0, 0);
    present_frame(-1);
    key_left = capture_key(snapshot, "Press key to use to move left", 200);
    key_right = capture_key(snapshot, "Press key to use to move right", 240);
    key_drop = capture_key(snapshot, "Press key to use to drop", 280);
}
