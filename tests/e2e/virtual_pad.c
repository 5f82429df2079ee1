/* Preloaded into the program: a pad of SDL's virtual joystick driver, inside
 * the program's own SDL, driven by commands read line by line from the FIFO
 * named by VIRTUAL_PAD. A virtual joystick exists only in the process that
 * made it, and this machine has no /dev/uinput for a pad the kernel would
 * show every process. Commands:
 *   attach             plug the pad in (once the program listens to pads)
 *   button <n> <0|1>   SDL_GameControllerButton n up or down
 *   axis <n> <value>   SDL_GameControllerAxis n to value (-32768..32767) */
#include <SDL2/SDL.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static SDL_Joystick* pad;

static void attach(void) {
    while (!SDL_WasInit(SDL_INIT_GAMECONTROLLER)) usleep(10000);
    SDL_VirtualJoystickDesc desc;
    memset(&desc, 0, sizeof desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    if (!pad) fprintf(stderr, "virtual pad: %s\n", SDL_GetError());
}

static void* read_commands(void* path) {
    FILE* commands = fopen(path, "r");
    char line[64];
    int n, value;
    while (commands && fgets(line, sizeof line, commands)) {
        if (strncmp(line, "attach", 6) == 0) attach();
        if (!pad) continue;
        if (sscanf(line, "button %d %d", &n, &value) == 2)
            SDL_JoystickSetVirtualButton(pad, n, (Uint8)value);
        if (sscanf(line, "axis %d %d", &n, &value) == 2)
            SDL_JoystickSetVirtualAxis(pad, n, (Sint16)value);
    }
    return NULL;
}

__attribute__((constructor)) static void start(void) {
    const char* path = getenv("VIRTUAL_PAD");
    pthread_t thread;
    if (path && pthread_create(&thread, NULL, read_commands, (void*)path) == 0)
        pthread_detach(thread);
}
