// Keyboard and mouse, polled.
//
// Key codes are virtual-key codes 1..255 (37 left arrow, 39 right, 32 space,
// 13 Enter, 27 Escape, 65..90 letters; the left and right Shift, Ctrl and Alt
// keys report 160..165). Input counts only while a display is open. Every
// query first dispatches whatever the system has queued. Pads press keys too
// (input/pads.h).
#pragma once

// Fresh presses of the key since it was last asked; clears the count.
int key_hit(int key);
// 1 while the key is held.
int key_down(int key);
// The next typed character (codes 1..255), 0 when none is waiting.
int get_char();
// Forgets every press, held key and typed character.
void flush_keys();
// Waits for a key pressed after the call; the lowest code wins.
int wait_key();
// Waits for a typed character.
int wait_char();

int mouse_hit(int button); // 1 left, 2 right, 3 middle
int mouse_down(int button);
int mouse_x();
int mouse_y();
int mouse_z(); // wheel position
void flush_mouse();

// 1 once the window's close button (or a termination signal) asked the
// program to end; clears the request.
int app_terminate();

void show_mouse();
void hide_mouse();

// Connect and disconnect the polled state to the open display (called by the
// display layer when it opens and closes).
void enable_polled_input();
void disable_polled_input();
