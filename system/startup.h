// Start-up and shutdown of the library layer.
#pragma once

// Readies streams, embedded files and timers, and decides where the game's
// files lie (system/game_files.h). Safe to call more than once.
void system_startup();

// Adds a function to run when the program ends. Hooks run newest first, each once.
void add_exit_hook(void (*hook)());

// Runs the exit hooks, then stops the platform layer. Safe to call more than once.
void run_exit_hooks();
