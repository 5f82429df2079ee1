// An open display as the display driver sees it: a window with its context.
#pragma once

#include <memory>

class TGraphics;
using GraphicsRef = std::shared_ptr<TGraphics>;

// The size, depth, rate and flags a display was opened with.
struct GraphicsSettings {
    int width = 0;
    int height = 0;
    int depth = 0; // colour bits; 0 = windowed
    int hz = 0;    // 0 = no rate asked for
    int flags = 0;
};

class TGraphics {
  public:
    enum Mode : int {
        MODE_SHARED = 0,     // hidden context holding shared objects
        MODE_ATTACHED = 1,   // on a window the program did not make
        MODE_WINDOWED = 2,   //
        MODE_FULLSCREEN = 3, //
    };

    virtual ~TGraphics() = default;

    // The driver object that made this display (opaque outside the driver).
    virtual void* driver() = 0;
    virtual GraphicsSettings get_settings() = 0;
    // Destroys the context and, for windows the program made, the window.
    // Safe to call more than once.
    virtual void close() = 0;
    // Moves the mouse pointer to (x, y) in client coordinates.
    virtual void warp_pointer(int x, int y) { (void)x, (void)y; }
};
