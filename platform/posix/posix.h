// Shared between the POSIX files of the platform layer.
#pragma once

#include <string>

namespace platform::detail {

// Watches `folder` for input devices coming and going (watch_input_devices()
// watches "/dev/input").
void watch_input_device_folder(const char* folder);

// The descriptor that becomes readable when input devices come or go (-1
// when nothing is watched); once it is, note_device_change() takes the
// change in.
int device_watch_fd();
void note_device_change();

// Looks for window input every few milliseconds instead of waiting on the
// window system's connection, as where that connection cannot be had.
void stop_watching_window_connection();

// Makes a change of the folder's entries (a file renamed into place) last:
// flushed to the disk, or, in a browser, copied to the page's storage.
// False, with the reason in `why` (if given), when it cannot be kept.
bool keep_folder(const std::string& folder, std::string* why);

// Blocks the asynchronous termination signals in the calling thread, so that
// they reach the main thread, which waits for them.
void block_termination_signals();

} // namespace platform::detail
