#include "screens/splash.h"

#include "assets/embedded_names.h"
#include "audio/sound.h"
#include "game/maths.h"
#include "graphics/display.h"
#include "graphics/images.h"
#include "input/input.h"
#include "system/messages.h"

namespace {

const float triangle[] = {-50, -30, 50, -30, 0, 56};

void draw_splash_frame(const ImageRef& logo, float t) {
    draw_splash_picture(logo, t);
    present_frame(-1);
    // Nothing here reads keys, but a close request must still be heard.
    pump_messages();
}

// Holds the last frame for ms milliseconds, listening for a close request.
void hold(int ms) {
    std::int32_t start = clock_ms();
    while (clock_difference(clock_ms(), start) < ms) {
        delay(20);
        pump_messages();
    }
}

} // namespace

void draw_splash_picture(const ImageRef& logo, float t) {
    clear_frame();
    set_alpha(1);
    set_color(0, static_cast<int>(t / 40), static_cast<int>(t / 10));
    set_scale(1, 1);
    set_rotation(0);
    set_origin(0, 0);
    draw_oval(320 - t / 2, 240 - t / 2, t, t);

    float c = static_cast<float>(cos_deg(t));
    float s = static_cast<float>(sin_deg(t));
    set_color(0, 30, 120);
    set_alpha(0.5f);
    set_origin(220 + 100 * c, 180 + 100 * s);
    set_scale(t / 180, t / 180);
    set_rotation(t);
    draw_poly(triangle);
    set_origin(420 - 100 * c, 300 - 100 * s);
    set_scale(t / 180, t / 180);
    set_rotation(180 + t);
    draw_poly(triangle);

    set_origin(0, 0);
    set_alpha(t / 360);
    set_rotation((360 - t) * (360 - t) / 300);
    set_scale(t / 360, t / 360);
    int light = static_cast<int>(255 * t / 360);
    set_color(light, light, static_cast<int>(150 * t / 360 + 105));
    draw_image(logo, 320, 240, 0);
}

int splash_frame_count() {
    int frames = 0;
    for (float t = 0; t <= 360; t += 1.8f) ++frames;
    return frames;
}

void run_splash() {
    hide_mouse();
    ImageRef logo = load_image(incbin(EmbeddedName::kovname_png), -1);
    SoundRef jingle = load_sound(incbin(EmbeddedName::kovjingle_ogg), 0);
    center_image_handle(logo);
    // The jingle plays on to its own end after the splash returns.
    play_sound(jingle);

    for (float t = 0; t <= 360; t += 1.8f) draw_splash_frame(logo, t);
    hold(3000);

    set_origin(0, 0);
    set_transform(0, 1, 1);
    set_alpha(1);
    set_color(0, 0, 0);
    // No clearing: the bars grow over the last logo frame until all is black.
    for (int i = 0; i <= 30; ++i) {
        for (int j = 0; j <= 15; ++j)
            draw_rect(0, static_cast<float>(30 * j), 640, static_cast<float>(i));
        present_frame(-1);
        pump_messages();
    }
    set_color(255, 255, 255);
}
