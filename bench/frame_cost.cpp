// What one frame of a screen costs on this machine's OpenGL, drawn by the
// game's own code with the art the build made, with the driver's drawing
// shortcuts on or off. A fixed number of frames, so that instruction counts
// under callgrind compare from run to run:
//
//   SDL_VIDEODRIVER=offscreen build/bench/frame_cost play 1 600
//   LP_NUM_THREADS=0 valgrind --tool=callgrind --toggle-collect='*run_frames*'
//       build/bench/frame_cost play 0 100      (one command)
//
// Scenes: play (a full board with sparkles), pause, title. Prints the
// process CPU per frame (llvmpipe's threads included). Two more arguments
// show the frames in a scaled window, by either route:
//
//   build/bench/frame_cost play 1 600 2 cpu     (twice the size, scaled on the CPU)
//   build/bench/frame_cost play 1 600 0 gl      (full screen, scaled by OpenGL)
#include "graphics/display.h"
#include "graphics/gl_display_driver.h"
#include "graphics/gl_render_driver.h"
#include "graphics/render_driver.h"
#include "graphics/startup.h"
#include "platform/platform.h"
#include "system/startup.h"
#include "tests/screens/game_scenes.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

double cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void draw(const std::string& scene, int frame) {
    // A fresh board now and then, so that the frames stay busy.
    if (scene != "title" && frame % 120 == 0) scenes::start_play(frame / 120 + 1);
    scenes::play_frame();
    if (scene == "pause") scenes::pause_frame();
    if (scene == "title") scenes::title_frame(frame / 60 % 3);
}

// The software rasteriser finishes a frame only when something waits for
// it: reading a pixel back does, as a swap to a real window would.
__attribute__((noinline)) void run_frames(const std::string& scene, int frames) {
    for (int frame = 1; frame <= frames; ++frame) {
        draw(scene, frame);
        present_frame(0);
        render_driver()->capture_pixmap(0, 0, 1, 1);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s play|pause|title <shortcuts 0|1> <frames> [<scale> gl|cpu]\n",
                     argv[0]);
        return 2;
    }
    const std::string scene = argv[1];
    const bool shortcuts = std::atoi(argv[2]) != 0;
    const int frames = std::atoi(argv[3]);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    system_startup();
    graphics_startup();
    if (argc >= 6) {
        const int scale = std::atoi(argv[4]);
        platform::set_presentation({scale == 0, scale});
        TGLDisplayDriver::instance().prefer_route(std::string(argv[5]) == "cpu"
                                                      ? TGLGraphics::Route::Pixels
                                                      : TGLGraphics::Route::Framebuffer);
    }
    if (!open_display(640, 480, 0, 0, 0)) return 1;
    set_blend(BLEND_ALPHA);
    std::dynamic_pointer_cast<TGLRenderDriver>(render_driver())->set_shortcuts(shortcuts);
    scenes::load_art(ORVESSA_PROGRAM_DIR, 33);
    draw(scene, 0); // textures made, shaders compiled
    present_frame(0);
    const double start = cpu_ms();
    run_frames(scene, frames);
    const double used = cpu_ms() - start;
    std::printf("%s, shortcuts %s: %.3f ms of CPU a frame over %d frames\n", scene.c_str(),
                shortcuts ? "on" : "off", used / frames, frames);
    scenes::unload_art();
    close_display();
    run_exit_hooks();
    return 0;
}
