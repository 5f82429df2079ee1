// The running process: its threads, its memory, its console and its timer
// resolution.
#pragma once

#include <functional>
#include <string>
#include <thread>

namespace platform {

// Starts `body` on a thread of its own that leaves termination requests
// (Ctrl+C, a termination signal, the console closing) to the main thread,
// which turns them into a close request. Throws std::system_error, as
// std::thread does, when no thread can be started.
std::thread start_background_thread(std::function<void()> body);

// Whether this system runs threads at all (a browser build does not: what
// runs on threads elsewhere is driven by the page's clock and callbacks).
bool background_threads_available();

// Sets up the memory allocator for a program whose big blocks (decoded
// music, whole-screen pictures, textures) come and go with every game, so
// that they are handed back to the system when freed. Call first thing.
void tune_memory_for_big_blocks();

// The memory of this process resident in RAM, in kilobytes (0 if unknown).
long resident_memory_kb();

// Asks for the finest timer resolution the system offers (1 ms), so that
// sleeps and periodic ticks keep to the millisecond, for the rest of the
// program's life. Systems whose timers are always that fine need nothing.
void request_fine_timer_resolution();

// A program without a console of its own (a Windows program of the GUI
// subsystem) writes its standard output and error to the console it was
// started from, where it was started from one and the streams were not
// redirected elsewhere; the console's Ctrl+C and closing then reach it as
// termination requests. Elsewhere nothing changes. Call first thing.
void use_parent_console();

// Shows an error the player must see where the system's programs usually
// show one (a message box on Windows, after it has been written to standard
// error); elsewhere standard error alone is the place, and this does
// nothing.
void show_error_box(const std::string& title, const std::string& text);

} // namespace platform
