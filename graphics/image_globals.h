// The image-loading globals: what images made from now on start with.
#pragma once

struct MaskColor {
    int r = 0, g = 0, b = 0;
};

MaskColor mask_color();
int automatic_image_flags();
int automatic_mid_handle();
