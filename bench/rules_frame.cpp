// One play frame's rule work on a full board with 500 live sparkles, drawn
// through a render driver that draws nothing, so only the game's own work and
// the drawing layer's bookkeeping are timed.
//
//   build/bench/rules_frame --benchmark_repetitions=5
#include "game/board.h"
#include "game/game_state.h"
#include "game/play_frame.h"
#include "game/sparkle_spawners.h"
#include "graphics/display.h"
#include "graphics/startup.h"
#include "null_render_driver.h"
#include "system/random.h"
#include "system/startup.h"

#include <benchmark/benchmark.h>

namespace {

void fill_board() {
    for (int c = 0; c < BOARD_COLUMNS; ++c) {
        for (int r = column_top(c); r <= column_bottom(c); ++r) {
            auto rune = std::make_shared<Rune>();
            rune->kind = (c + 2 * r) % 3; // no three in a line agree
            rune->opacity = 1;
            board[c][r] = rune;
        }
    }
}

// n sparkles of every effect, frozen in their first frame so that the same
// number is advanced and drawn in every pass.
void fill_sparkles(std::size_t n) {
    while (sparkles.size() < n) {
        spawn_burst(100, 100, 1);
        spawn_converge(200, 200, 2);
        spawn_lightning(100, 300, 300, 100);
        spawn_black_burst(300, 300);
        spawn_white_burst(200, 100);
    }
    while (sparkles.size() > n) sparkles.pop_back();
    for (Sparkle& s : sparkles) s.alpha_step = s.scale_step = 0;
}

void play_frame_full_board(benchmark::State& state) {
    graphics_startup();
    RenderDriverRef previous = render_driver();
    set_render_driver(std::make_shared<TNullRenderDriver>());
    open_display(640, 480, 0, 60, 0);
    set_blend(BLEND_ALPHA);
    rune_image = create_image(40, 40, 11, -1);
    sparks_image = create_image(40, 40, 11, -1);
    center_image_handle(sparks_image);
    digit_image = create_image(24, 24, 10, -1);
    board_image = create_image(640, 480, 1, -1);
    reset_game_state();
    seed_random(1);
    fill_board();
    score = 1234;
    runes_dropped = 2345;
    fill_sparkles(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) play_frame_rules();
    state.counters["sparkles"] = static_cast<double>(sparkles.size());
    state.counters["runes"] = active_rune_count();
    reset_game_state();
    rune_image = sparks_image = digit_image = board_image = nullptr;
    close_display();
    set_render_driver(previous);
}

} // namespace

// With 500 sparkles, and with none to show what the board rules alone cost.
BENCHMARK(play_frame_full_board)->Arg(500)->Arg(0)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    system_startup();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    run_exit_hooks();
    return 0;
}
