#include "graphics/startup.h"

#include "graphics/display.h"
#include "graphics/freetype_font.h"
#include "graphics/gl_render_driver.h"
#include "graphics/png_loader.h"

void register_built_in_font_file(); // built_in_font.cpp

void graphics_startup() {
    static bool started = false;
    if (started) return;
    started = true;
    set_render_driver(std::make_shared<TGLRenderDriver>(), GRAPHICS_BACKBUFFER);
    register_pixmap_decoder(std::make_shared<TPngDecoder>());
    register_font_decoder(std::make_shared<TFreeTypeDecoder>());
    register_built_in_font_file();
}
