// The page's canvas as the game's one window: WebGL 1.0 under emscripten's
// emulation of OpenGL's fixed-function calls.
#include "platform/emscripten/web.h"
#include "platform/internal.h"

#include <GL/gl.h>
#include <emscripten.h>

#include <cstring>

namespace platform {

// The page's WebGL runs where the browser runs it; nothing to choose here.
void detail::draw_software_frames_on_this_thread() {}

// The page itself says when it has no WebGL.
std::string detail::displays_looked_for() {
    return " (this browser offers no WebGL 1.0 here)";
}

void detail::prepare_canvas_context() {
    // The first request for a canvas's context fixes its attributes; later
    // ones, SDL's among them, get that same context.
    EM_ASM({
        var canvas = Module['canvas'];
        if (canvas && !canvas.orvessaContext)
            canvas.orvessaContext = canvas.getContext('webgl', {
                alpha : false,
                depth : false,
                stencil : false,
                antialias : false,
                preserveDrawingBuffer : true,
                premultipliedAlpha : false
            });
    });
}

void* detail::emulated_gl_function(const char* name) {
    return std::strcmp(name, "glTexEnvi") == 0 ? reinterpret_cast<void*>(&glTexEnvi) : nullptr;
}

} // namespace platform
