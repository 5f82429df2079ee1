// Shared between the browser's files of the platform layer.
#pragma once

namespace platform::detail {

// Posts a notice for every tick source whose deadline has passed, by the
// browser's clock: the browser has no thread to post them from.
void post_due_ticks();

// Milliseconds until the next tick source's deadline; -1 when none runs.
int ms_until_next_tick();

// Makes the page's WebGL context as the game draws on it (no alpha, depth or
// stencil buffers, no smoothing of edges, and the last frame kept until
// the next, for reading back) before SDL asks for one: the canvas then hands
// SDL that same context.
void prepare_canvas_context();

// An OpenGL 1.1 function that emscripten's emulation has, but does not hand
// out by name; null for any other.
void* emulated_gl_function(const char* name);

} // namespace platform::detail
