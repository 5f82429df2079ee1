#include "graphics/startup.h"

void register_built_in_font_file(); // built_in_font.cpp

void graphics_startup() {
    static bool started = false;
    if (started) return;
    started = true;
    register_built_in_font_file();
}
