// Every service the game needs from the operating system, in one place.
//
// This header is the only door to SDL2, the window system, OpenGL context
// handling, threads and the audio device. Nothing outside platform/ includes
// SDL. The rest of the program sees plain C++ types and callbacks.
//
// Threading: everything here is called from the main thread unless a function
// says otherwise. Tick sources and the audio callback run on threads of their
// own and only ever talk to the main thread through the notice queue.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// ---------------------------------------------------------------------------
// Program folder

// Makes the folder holding the running executable (from /proc/self/exe) the
// current working folder. Returns false when the folder cannot be found or
// entered; the working folder is then left alone.
bool enter_program_folder();

// The folder of the running executable, with a trailing '/'. Empty if unknown.
std::string program_folder();

// ---------------------------------------------------------------------------
// Clock and sleeping

// Milliseconds of a monotonic clock, wrapping modulo 2^32.
std::uint32_t milliseconds();

// Sleeps the calling thread for ms milliseconds; ms <= 0 returns at once.
// Nothing is dispatched meanwhile.
void sleep_ms(int ms);

// ---------------------------------------------------------------------------
// Window events, as the input layer wants to hear them.
//
// Key codes are already the game's virtual-key codes (1..255, left and right
// modifier keys told apart); events for keys without a code are never sent.

// The controls of a pad (game controller) that the game listens to, named as
// SDL's controller database names them: A is the bottom face button, B the
// right one. The d-pad and the left stick both give the four directions;
// Other is any other button. Triggers and the right stick are not read.
enum class PadControl { Left, Right, Up, Down, A, B, Start, Back, Other };
constexpr int pad_control_count = 9;

struct WindowEvent {
    enum Kind {
        KeyDown,      // data = key code; never sent for auto-repeats
        KeyUp,        // data = key code
        KeyChar,      // data = character code 1..255
        MouseDown,    // data = button 1 left, 2 right, 3 middle; x, y
        MouseUp,      // data = button; x, y
        MouseMove,    // x, y
        MouseWheel,   // data = notches, positive away from the user
        MouseEnter,   // x, y
        MouseLeave,   // x, y
        FocusGained,  //
        FocusLost,    //
        CloseRequest, // the window's close button, or SIGINT / SIGTERM
        PadPress,     // data = PadControl; any pad, never repeated while held
    };
    Kind kind;
    int data = 0;
    int mods = 0; // 1 Shift, 2 Ctrl, 4 Alt, 8 either system key
    int x = 0;
    int y = 0;
};

using WindowEventHandler = void (*)(const WindowEvent& event);

// Installs the one function that receives every window event during
// pump_events(). Null drops them.
void set_window_event_handler(WindowEventHandler handler);

// ---------------------------------------------------------------------------
// Pads: game controllers that SDL's controller database knows, or that the
// player maps in SDL_GAMECONTROLLERCONFIG.

// Opens every pad connected now and, from then on, each one as it is plugged
// in; their presses arrive as PadPress window events. Looking for pads scans
// the system's input devices, so it waits until pads are first wanted
// instead of slowing the start. Safe to call again.
void start_pads();

// Number of pads open now (for tests).
int open_pad_count();

// ---------------------------------------------------------------------------
// The main thread's queue.
//
// Two kinds of thing arrive: window-system events (keyboard, mouse, window)
// and notices posted by other threads (timer ticks). Both are handed out by
// pump_events() on the main thread, in arrival order within each kind.

using NoticeHandler = void (*)(std::uint64_t id);

// Installs the function that receives every posted notice during pump_events().
void set_notice_handler(NoticeHandler handler);

// Thread-safe: queues a notice for the main thread and wakes wait_events().
void post_notice(std::uint64_t id);

// Removes and dispatches everything waiting, without blocking.
void pump_events();

// Blocks, with no time-out, until something arrives that has not yet been
// dispatched (anything still queued counts), then pump_events().
void wait_events();

// Number of notices queued and not yet dispatched (for tests).
int pending_notices();

// ---------------------------------------------------------------------------
// Tick sources: one thread per source, sleeping to absolute deadlines every
// period_ms milliseconds and posting `id` as a notice each time.

using TickSourceId = int;

// Returns 0 when the thread could not be started.
TickSourceId start_tick_source(int period_ms, std::uint64_t id);

// Stops and joins the source's thread. Notices already posted stay queued.
void stop_tick_source(TickSourceId source);

// ---------------------------------------------------------------------------
// Window with an OpenGL context

struct WindowSpec {
    int width = 640; // the picture drawn: the client area, or what a scaled window shows scaled
    int height = 480;
    int x = 32; // client area position, where the window system allows
    int y = 32;
    bool fullscreen = false; // in a display mode of exactly this size
    // Shown scaled: a resizable window, sized and shown as set_presentation
    // says, which the caller fills with the picture scaled to fit.
    bool scaled = false;
    bool double_buffer = true;
    bool alpha_bits = false;
    bool depth_bits = false;
    bool stencil_bits = false;
    bool accum_bits = false;
};

struct Window; // opaque

// How scaled windows are shown, for those opened from now on.
struct Presentation {
    bool fullscreen = false; // on the desktop's own resolution, nothing switched
    // The window's size as a whole multiple of the picture; 0 takes the
    // largest that fits the desktop's usable area with room for a title bar.
    int scale = 0;
};
void set_presentation(const Presentation& presentation);

// Switches a scaled window between full screen on the desktop's own
// resolution and a window. The window system's F11 and Alt+Enter do this
// by themselves: those presses never reach the game.
void toggle_fullscreen(Window* window);
bool is_fullscreen(Window* window);
// For a caller that cannot scale after all: the window becomes a fixed
// window of the picture's own size.
void stop_scaling(Window* window);

// Where in a scaled window's drawable area the picture shows: the largest
// rectangle of the picture's shape that fits, centred, and the largest
// whole multiple of the picture's size that fits in it (0 when the window
// is smaller than the picture). The rest of the window is left black.
struct PictureRect {
    int x = 0, y = 0, width = 0, height = 0; // y counted from the top
    int whole = 0;
    int window_width = 0, window_height = 0;
    bool operator==(const PictureRect&) const = default;
};
PictureRect picture_rect(Window* window);
// The same for a drawable area and a picture of these sizes.
PictureRect fit_picture(int window_width, int window_height, int picture_width, int picture_height);

// How a scaled window's picture reaches the screen.
enum class PictureRoute {
    // The caller draws the scaled picture into the window with OpenGL.
    OpenGL,
    // The caller writes the window's pixels itself (window_pixels,
    // show_window_pixels) from a picture that OpenGL draws, at its own
    // size, on a hidden window of the same context.
    Pixels,
};
// A scaled window opens hidden, its context current, so that the caller can
// first ask the renderer which route costs less. This shows it, by the
// route wanted where the window system allows it, and says which it took.
PictureRoute show_scaled_window(Window* window, PictureRoute wanted);

// The pixels of a window shown by the Pixels route: rows from the top, each
// pixel 0x00RRGGBB. Writing them changes nothing on the screen until they
// are shown. No pixels for a window shown another way.
struct WindowPixels {
    std::uint32_t* pixels = nullptr;
    int pitch = 0; // pixels from one row to the next
    int width = 0, height = 0;
    // Set when what is on the screen is lost or was never drawn (the first
    // time, after a resize or when the window is uncovered): every pixel
    // must be written and shown. Cleared by show_window_pixels.
    bool repaint = false;
};
WindowPixels window_pixels(Window* window);

// Rows [top, top + count) of the window, the whole width.
struct RowSpan {
    int top = 0, count = 0;
};
// Puts those rows of the window's pixels on the screen.
void show_window_pixels(Window* window, std::span<const RowSpan> spans);

// Why the last window could not be opened, in the window system's words.
std::string window_error();

// Sets the caption used by windows opened from now on (and the open one).
void set_window_title(const std::string& title);

// Opens a window with a compatibility-profile OpenGL context made current.
// Returns null when no window or context can be had.
Window* open_window(const WindowSpec& spec);

// Destroys the window and its context.
void close_window(Window* window);

// Makes the window's context current on the calling thread.
bool make_current(Window* window);

// Sets the swap interval (0 or 1). Returns false when the driver refuses.
bool set_swap_interval(int interval);

// Shows the back buffer.
void swap_window(Window* window);

// Asks for the OpenGL entry point `name` (null when missing).
void* gl_proc_address(const char* name);

// The full-screen modes of the main screen (bits per pixel, refresh in hz,
// 0 when unknown). Empty when the video system cannot start.
struct DisplayMode {
    int width = 0;
    int height = 0;
    int bits = 0;
    int hz = 0;
};
std::vector<DisplayMode> display_modes();

// Mouse pointer visibility over the game's windows.
void show_pointer(bool shown);

// Moves the mouse pointer to (x, y) of the picture (of a scaled window's
// picture, wherever it shows); mouse positions are reported the same way.
void warp_pointer(Window* window, int x, int y);

// ---------------------------------------------------------------------------
// Audio output: one stream of interleaved signed 16-bit samples.
//
// The callback runs on the audio thread and must fill `bytes` bytes.

using AudioCallback = void (*)(void* user, std::uint8_t* stream, int bytes);

struct AudioSpec {
    int rate = 44100;
    int channels = 2;
    int buffer_frames = 512; // size of one callback request, in frames
};

// Opens the default output device, paused: pause_audio(false) starts it.
// Returns false when no device can be opened (no sound card): the caller
// then stays silent. SDL converts if the hardware wants another format.
bool open_audio(const AudioSpec& spec, AudioCallback callback, void* user);

// Pauses (no callback runs once this returns; the device plays silence) or
// resumes the open device.
void pause_audio(bool paused);

// Stops the device; no callback runs after this returns.
void close_audio();

// Asks the system to run the calling thread ahead of ordinary work, as the
// audio device's own thread is run, so that keeping the device fed does not
// wait behind busy threads. Quietly does nothing when that is not allowed.
void make_thread_urgent();

// ---------------------------------------------------------------------------
// Shutdown

// Stops every tick source and the audio device and closes open windows.
// Called once when the program ends.
void shutdown();

} // namespace platform
