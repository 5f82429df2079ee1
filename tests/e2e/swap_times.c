/* Loaded with LD_PRELOAD into the program for timing: writes the wall-clock
 * time in nanoseconds of each of the first 16 buffer swaps, one a line, to the
 * file named by SWAP_TIMES_FILE. The caller notes the time before starting
 * the program and so learns how long it took to show its first frames. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

typedef void (*swap_fn)(void*);

void SDL_GL_SwapWindow(void* window) {
    static swap_fn real_swap;
    static int swaps;
    if (!real_swap) real_swap = (swap_fn)dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    real_swap(window);
    if (swaps >= 16) return;
    ++swaps;
    const char* path = getenv("SWAP_TIMES_FILE");
    if (!path) return;
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    FILE* out = fopen(path, "a");
    if (!out) return;
    fprintf(out, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
    fclose(out);
}
