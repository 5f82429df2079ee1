/* Waits until pixels of a window show the expected colours: the cheap way for
 * a script to know which screen the game shows.
 *
 *   wait_pixel <window id> <timeout ms> <x>,<y>=<r>,<g>,<b> ...
 *
 * Every listed pixel must lie within 12 of its colour in each channel. Exits
 * 0 once they all do, 1 at the timeout (printing what it last saw), 2 when
 * the window is gone. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

enum { MAX_POINTS = 8, TOLERANCE = 12 };

struct Point {
    int x, y, r, g, b;
};

static int gone;
static int on_error(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    gone = 1;
    return 0;
}

static int close_to(int a, int b) {
    return abs(a - b) <= TOLERANCE;
}

int main(int argc, char** argv) {
    if (argc < 4 || argc - 3 > MAX_POINTS) return 2;
    Window window = (Window)strtoul(argv[1], NULL, 0);
    long timeout_ms = strtol(argv[2], NULL, 10);
    struct Point points[MAX_POINTS];
    int count = argc - 3;
    for (int i = 0; i < count; ++i) {
        struct Point* p = &points[i];
        if (sscanf(argv[3 + i], "%d,%d=%d,%d,%d", &p->x, &p->y, &p->r, &p->g, &p->b) != 5) return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) return 2;
    XSetErrorHandler(on_error);
    struct timespec pause = {0, 50 * 1000 * 1000};
    for (long waited = 0;; waited += 50) {
        int matched = 0;
        char seen[64] = "";
        for (int i = 0; i < count; ++i) {
            XImage* image =
                XGetImage(display, window, points[i].x, points[i].y, 1, 1, AllPlanes, ZPixmap);
            XSync(display, False);
            if (gone || !image) {
                if (image) XDestroyImage(image);
                XCloseDisplay(display);
                return 2;
            }
            unsigned long pixel = XGetPixel(image, 0, 0);
            XDestroyImage(image);
            int r = (int)(pixel >> 16 & 0xff), g = (int)(pixel >> 8 & 0xff),
                b = (int)(pixel & 0xff);
            if (close_to(r, points[i].r) && close_to(g, points[i].g) && close_to(b, points[i].b))
                ++matched;
            else
                snprintf(seen, sizeof seen, "%d,%d=%d,%d,%d", points[i].x, points[i].y, r, g, b);
        }
        if (matched == count) {
            XCloseDisplay(display);
            return 0;
        }
        if (waited >= timeout_ms) {
            printf("%s\n", seen);
            XCloseDisplay(display);
            return 1;
        }
        nanosleep(&pause, NULL);
    }
}
