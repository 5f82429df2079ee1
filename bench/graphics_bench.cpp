// Costs of the graphics layer on this machine's OpenGL (llvmpipe offscreen):
// decoding a 640 x 480 PNG, uploading it as a texture, and drawing one whole
// play-screen frame. Process CPU time counts llvmpipe's own threads too.
//
//   SDL_VIDEODRIVER=offscreen build/bench/graphics_bench
#include "graphics/display.h"
#include "graphics/gl_render_driver.h"
#include "graphics/image.h"
#include "graphics/images.h"
#include "graphics/render_driver.h"
#include "graphics/startup.h"
#include "graphics/text.h"
#include "system/embedded.h"
#include "system/startup.h"
#include "tests/graphics/png_writer.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A painted-looking 640 x 480 picture: smooth shading with some grain, so
// that it compresses like art rather than like a flat fill.
std::uint32_t board_colour(int x, int y) {
    std::uint32_t grain = (static_cast<std::uint32_t>(x) * 2654435761u ^ y * 40503u) >> 28;
    std::uint32_t r = (x * 255 / 639 + grain) & 255, g = (y * 255 / 479 + grain) & 255;
    std::uint32_t b = (128 + static_cast<int>(60 * std::sin(x * 0.05) * std::cos(y * 0.05))) & 255;
    return r << 16 | g << 8 | b;
}

// Eleven 40 x 40 rune cells with magenta corners (keyed after the display opens).
std::uint32_t rune_colour(int x, int y) {
    int cx = x % 40 - 20, cy = y - 20;
    if (cx * cx + cy * cy > 380) return 0xff00ff;
    return static_cast<std::uint32_t>(x / 40 * 23) << 16 | 0x6040 | (cx * cy & 15);
}

void register_png(const std::string& name, const PngSpec& spec) {
    static auto* kept = new std::vector<std::string>;
    kept->push_back(png_bytes(spec));
    register_embedded_file(name, kept->back().data(), static_cast<int>(kept->back().size()));
}

void make_pictures() {
    register_png("board.png", rgb_picture(640, 480, board_colour));
    register_png("runes.png", rgb_picture(440, 40, rune_colour));
    register_png("digits.png", rgb_picture(240, 24, [](int x, int y) {
                     return (x % 24 > 5 && x % 24 < 18 && y > 3 && y < 20) ? 0xffffffu : 0xff00ffu;
                 }));
    PngSpec sparks; // eleven 40 x 40 glows with alpha
    sparks.width = 440;
    sparks.height = 40;
    sparks.color_type = 6;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 440; ++x) {
            int dx = x % 40 - 20, dy = y - 20, d = dx * dx + dy * dy;
            std::uint8_t a = d >= 400 ? 0 : static_cast<std::uint8_t>(255 - d * 255 / 400);
            sparks.rows.insert(sparks.rows.end(),
                               {255, 240, static_cast<std::uint8_t>(100 + x / 40 * 15), a});
        }
    register_png("sparks.png", sparks);
}

// The pictures as the game holds them: the sparks sheet is loaded before the
// display opens (so neither masked nor filtered), the rest after.
struct Pictures {
    ImageRef sparks, board, runes, digits;
};

Pictures& game_display() {
    static Pictures* pictures = nullptr;
    if (pictures) return *pictures;
    pictures = new Pictures;
    system_startup();
    graphics_startup();
    make_pictures();
    pictures->sparks = load_image_strip("incbin::sparks.png", 40, 40, 0, 11, -1);
    center_image_handle(pictures->sparks);
    if (!open_display(640, 480, 0, 60, 0)) std::abort();
    set_mask_color(255, 0, 255);
    set_blend(BLEND_ALPHA);
    pictures->board = load_image("incbin::board.png", -1);
    pictures->runes = load_image_strip("incbin::runes.png", 40, 40, 0, 11, -1);
    pictures->digits = load_image_strip("incbin::digits.png", 24, 24, 0, 10, -1);
    return *pictures;
}

void draw_number(const ImageRef& digits, int n, int x, int y) {
    draw_image(digits, static_cast<float>(x - 24), static_cast<float>(y), n % 10);
    if (n >= 10) draw_number(digits, n / 10, x - 24, y);
}

// The clock gauge: eleven nested discs, the face, and the hand.
void draw_gauge(float fraction) {
    const int x = 560, y = 420, radius = 40;
    for (int i = 0; i <= 10; ++i) {
        int v = 25 * i;
        set_color(v, v, static_cast<int>(v * 0.9f));
        draw_oval(static_cast<float>(x - radius + i), static_cast<float>(y - radius + i),
                  static_cast<float>(2 * radius - 2 * i), static_cast<float>(2 * radius - 2 * i));
    }
    set_color(250, 250, 225);
    draw_oval(x - radius + 11, y - radius + 11, 2 * radius - 22, 2 * radius - 22);
    set_transform(0, 1, 1);
    set_color(10, 10, 10);
    set_alpha(1);
    set_blend(BLEND_SOLID);
    set_rotation(360 * fraction);
    set_origin(x, y);
    set_scale(radius / 300.0f, radius / 300.0f);
    set_line_width(4);
    draw_line(0, 0, 0, -300, 1);
    set_transform(0, 1, 1);
    set_origin(0, 0);
    set_line_width(1);
    set_blend(BLEND_ALPHA);
}

void png_decode_640x480(benchmark::State& state) {
    game_display();
    for (auto _ : state) {
        PixmapRef p = load_pixmap("incbin::board.png");
        if (!p) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(png_decode_640x480)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void texture_upload_640x480(benchmark::State& state) {
    ImageRef board = game_display().board;
    for (auto _ : state) {
        ImageFrameRef frame =
            render_driver()->create_frame_from_pixmap(board->pixmaps[0], board->flags);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(texture_upload_640x480)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// One frame of play as the game draws it: the board picture, 67 runes, 300
// burst sparkles turning, shrinking and fading, the next rune, three numbers and the
// gauge. The software rasteriser finishes a frame only when something waits
// for it, so each frame ends by reading one pixel back, as a swap to a real
// window would make it finish.
void play_screen_frame(benchmark::State& state) {
    Pictures& p = game_display();
    auto gl_driver = std::dynamic_pointer_cast<TGLRenderDriver>(render_driver());
    if (gl_driver) gl_driver->set_shortcuts(state.range(0) != 0);
    int frame = 0;
    for (auto _ : state) {
        ++frame;
        clear_frame();
        set_alpha(1);
        set_color(255, 255, 255);
        draw_image(p.board, 0, 0, 0);
        int kind = frame;
        for (int c = 0; c < 9; ++c) {
            int rows = c % 2 ? 8 : 7;
            for (int r = 0; r < rows; ++r) {
                set_color(255, 255, 255);
                set_alpha(++kind % 9 == 0 ? 0.5f : 1.0f);
                draw_image(p.runes, static_cast<float>(60 + 40 * c),
                           static_cast<float>(140 - 20 * (c % 2) + 40 * r), kind % 11);
            }
        }
        for (int i = 0; i < 300; ++i) {
            float age = static_cast<float>((i * 7 + frame) % 100);
            set_transform(age * 9, 1.0f - age * 0.01f, 1.0f - age * 0.01f);
            set_alpha(1.0f - age * 0.01f);
            draw_image(p.sparks, static_cast<float>(60 + (i * 37 + frame) % 360),
                       static_cast<float>(100 + (i * 53) % 360 + age), i % 11);
        }
        set_transform(0, 1, 1);
        set_alpha(1);
        draw_image(p.runes, 60.0f + 40 * (frame % 9), 60, frame % 11);
        draw_number(p.digits, 1234 + frame % 100, 636, 256);
        draw_number(p.digits, 567, 636, 297);
        draw_number(p.digits, 21763, 612, 338);
        draw_gauge(static_cast<float>(frame % 7000) / 7000.0f);
        present_frame(0);
        render_driver()->capture_pixmap(0, 0, 1, 1);
    }
}
// Argument: the driver's drawing shortcuts off (0) or on (1).
BENCHMARK(play_screen_frame)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    game_display();
    benchmark::RunSpecifiedBenchmarks();
    close_display();
    return 0;
}
