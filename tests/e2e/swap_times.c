/* Loaded with LD_PRELOAD into the program for timing: writes the wall-clock
 * time in nanoseconds of each of the first 16 frames shown, one a line, to the
 * file named by SWAP_TIMES_FILE: "swap <ns>" for a buffer swap, "update <ns>"
 * for window pixels updated (where the picture is shown without OpenGL, and
 * only a frame that differs from the one before reaches the window). The
 * caller notes the time before starting the program and so learns how long it
 * took to show its first frames. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static void note(const char* what) {
    static int frames;
    if (frames >= 16) return;
    ++frames;
    const char* path = getenv("SWAP_TIMES_FILE");
    if (!path) return;
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    FILE* out = fopen(path, "a");
    if (!out) return;
    fprintf(out, "%s %lld\n", what, (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
    fclose(out);
}

typedef void (*swap_fn)(void*);

void SDL_GL_SwapWindow(void* window) {
    static swap_fn real_swap;
    if (!real_swap) real_swap = (swap_fn)dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    real_swap(window);
    note("swap");
}

typedef int (*update_fn)(void*, const void*, int);

int SDL_UpdateWindowSurfaceRects(void* window, const void* rects, int count) {
    static update_fn real_update;
    if (!real_update) real_update = (update_fn)dlsym(RTLD_NEXT, "SDL_UpdateWindowSurfaceRects");
    int result = real_update(window, rects, count);
    note("update");
    return result;
}
