// The game itself: start-up, the screens and the play loop.
#pragma once

// Runs the whole game: start-up, the splash, then title menu, character
// select and one game, over and over, until the player quits. Returns the
// program's exit status (0 when the player quits or closes the window).
int main_program();
