// The title screen as the desktop draws it on a first start once no sparkle
// is left on it (the default tables, no name typed, the pointer on Start):
// the frame the browser's end-to-end test expects of the page, as raw RGBA
// rows from the top. Also makes the default score file a first start makes.
// Usage: title_frame <build folder> <frame.rgba> <folder for scores.dat>
#include "game/game_state.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "graphics/pixmap.h"
#include "graphics/render_driver.h"
#include "graphics/startup.h"
#include "graphics/text.h"
#include "input/startup.h"
#include "screens/key_setup.h"
#include "screens/score_tables.h"
#include "system/startup.h"
#include "tests/screens/game_scenes.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    system_startup();
    input_startup();
    graphics_startup();
    if (argc != 4 || !open_display(640, 480, 0, 60, 0)) return 2;
    set_mask_color(255, 0, 255);
    set_blend(3);
    scenes::load_art(argv[1], 33);
    if (chdir(argv[3]) != 0) return 1;
    load_score_tables();
    // As the title menu draws a frame, twice: the second as all after it.
    for (int frame = 0; frame < 2; ++frame) {
        clear_frame();
        draw_image(title_image, 0, 0, 0);
        draw_title_scores();
        draw_key_bindings();
        draw_image(pointer_image, 120 + 200 * 1, 448, 0);
        draw_text("version 1.0", 540, 240);
    }
    PixmapRef picture = render_driver()->capture_pixmap(0, 0, 640, 480);
    std::FILE* out = std::fopen(argv[2], "wb");
    for (int y = 0; out && y < picture->height; ++y)
        std::fwrite(picture->pixel_ptr(0, y), 4, 640, out);
    return out && std::fclose(out) == 0 ? 0 : 1;
}
