#include "game/sparkles.h"

#include "game/game_state.h"
#include "graphics/display.h"

void update_sparkles() {
    for (auto it = sparkles.begin(); it != sparkles.end();) {
        Sparkle& s = *it;
        ++it; // the next sparkle is fixed before this one may leave the list
        s.alpha += s.alpha_step;
        s.rotation += s.rotation_step;
        s.scale += s.scale_step;
        // The position moves with the velocity of the frame before.
        s.x += s.vx;
        s.y += s.vy;
        s.vx += s.ax;
        s.vy += s.ay;
        set_transform(s.rotation, s.scale, s.scale);
        set_alpha(s.alpha);
        draw_image(sparks_image, s.x, s.y, s.frame);
        if (s.alpha < 0 || s.scale < 0) sparkles.erase(s.link);
    }
    set_transform(0, 1, 1);
    set_alpha(1);
}

void clear_sparkles() {
    sparkles.clear();
}

void add_sparkle(const Sparkle& sparkle) {
    auto link = sparkles.insert(sparkles.end(), sparkle);
    link->link = link;
}
