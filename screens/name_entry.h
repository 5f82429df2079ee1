// The player's name, typed over the dimmed title screen.
#pragma once

#include <string>

// Replaces player_name with what is typed before Enter: printable ASCII only,
// Backspace erases, no length limit, no way to cancel.
void run_name_entry();

// Applies one typed character to a name as the prompt does; returns true
// when the character ends the entry (Enter).
bool apply_name_char(std::string& name, int c);
