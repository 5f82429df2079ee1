#include "game/sparkle_spawners.h"

#include "game/maths.h"
#include "game/sparkles.h"
#include "system/random.h"

namespace {

constexpr float MAX_SPIN = 15;

float rnd(double a, double b) {
    return static_cast<float>(random_real(a, b));
}

// A sparkle at (x, y) at full alpha and scale, both fading by fade_step,
// spinning at a random rate (drawn here, after the caller's numbers).
Sparkle spinning_sparkle(int frame, int x, int y, float rotation, float fade_step) {
    Sparkle s;
    s.frame = frame;
    s.x = x;
    s.y = y;
    s.alpha = 1;
    s.alpha_step = fade_step;
    s.scale = 1;
    s.scale_step = fade_step;
    s.rotation = rotation;
    s.rotation_step = rnd(-MAX_SPIN, MAX_SPIN);
    return s;
}

} // namespace

void spawn_burst(int x, int y, int frame) {
    for (int k = 0; k < 20; ++k) {
        float vy = rnd(-3, 0);
        float vx = rnd(-3, 3);
        Sparkle s = spinning_sparkle(frame, x, y, rnd(0, 360), -0.01f);
        s.vx = vx;
        s.vy = vy;
        s.ay = 0.1f;
        add_sparkle(s);
    }
}

void spawn_converge(int x, int y, int frame) {
    for (int k = 0; k < 20; ++k) {
        int a = float_to_int(random_real(0, 360));
        Sparkle s;
        s.frame = frame;
        s.x = static_cast<float>(x + 100 * cos_deg(a));
        s.y = static_cast<float>(y + 100 * sin_deg(a));
        s.vx = static_cast<float>(-2 * cos_deg(a));
        s.vy = static_cast<float>(-2 * sin_deg(a));
        s.alpha = 1;
        s.alpha_step = -0.02f;
        s.scale = 0;
        s.scale_step = 0.01f;
        s.rotation = a;
        add_sparkle(s);
    }
}

void spawn_lightning(int x1, int y1, int x2, int y2) {
    constexpr int LIGHTNING_FRAME = 8;
    for (int k = 0; k < 24; ++k) {
        float t = rnd(0, 1);
        Sparkle s;
        s.frame = LIGHTNING_FRAME;
        s.x = x1;
        s.y = y1;
        s.vx = t * (x2 - x1) / 80;
        s.vy = t * (y2 - y1) / 80;
        s.alpha = 1;
        s.alpha_step = -0.005f;
        s.scale = 0.5f;
        s.rotation_step = rnd(-MAX_SPIN, MAX_SPIN);
        add_sparkle(s);
    }
}

void spawn_black_burst(int x, int y) {
    constexpr int BLACK_FRAME = 9;
    for (int k = 1; k <= 50; ++k) {
        int a = 15 * k;
        int speed = float_to_int(3 * random_real(1.4, 1.8));
        Sparkle s = spinning_sparkle(BLACK_FRAME, x, y, a, -0.04f);
        s.vx = static_cast<float>(speed * cos_deg(a));
        s.vy = static_cast<float>(speed * sin_deg(a));
        add_sparkle(s);
    }
}

void spawn_white_burst(int x, int y) {
    constexpr int WHITE_FRAME = 7;
    for (int k = 1; k <= 24; ++k) {
        int a = 60 * k + 30;
        int speed = (k - 1) / 6;
        Sparkle s = spinning_sparkle(WHITE_FRAME, x, y, a, -0.02f);
        s.vx = static_cast<float>(speed * cos_deg(a));
        s.vy = static_cast<float>(speed * sin_deg(a));
        add_sparkle(s);
    }
}
