#include "game/play_frame.h"

#include "game/board.h"
#include "game/falling.h"
#include "game/game_state.h"
#include "game/lines.h"
#include "game/pressure.h"
#include "game/rune_update.h"
#include "game/sparkles.h"
#include "game/statistics.h"
#include "graphics/display.h"

void play_frame_rules() {
    clear_frame();
    apply_gravity();
    // A special rune acts in the frame its picture arrives, before it can
    // take part in a line.
    update_runes();
    find_matches();
    set_alpha(1);
    set_color(255, 255, 255);
    draw_image(board_image, 0, 0, 0);
    draw_runes();
    update_sparkles();
    draw_next_rune();
    draw_statistics();
    update_pressure();
}
