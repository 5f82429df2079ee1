#include "screens/name_entry.h"

#include "game/game_state.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "graphics/text.h"
#include "input/input.h"

bool apply_name_char(std::string& name, int c) {
    if (c == 8 && !name.empty()) name.pop_back();
    if (c >= 32 && c <= 126) name.push_back(static_cast<char>(c));
    return c == 13;
}

void run_name_entry() {
    // The back buffer holds the title frame being drawn: keep it as the
    // background of the prompt.
    ImageRef snapshot = create_image(640, 480, 1, -1);
    capture_image(snapshot, 0, 0, 0);
    flush_keys();
    player_name.clear();
    for (;;) {
        clear_frame();
        set_color(255, 255, 255);
        set_alpha(0.5f);
        draw_image(snapshot, 0, 0, 0);
        set_alpha(1);
        draw_text("Enter your name: " + player_name, 200, 320);
        // One character a frame; faster typing waits in the queue.
        bool done = apply_name_char(player_name, get_char());
        present_frame(-1);
        if (done) break;
    }
    flush_keys();
}
