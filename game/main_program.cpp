#include "game/main_program.h"

// The screens and the play loop arrive with the rest of the game.
void main_program() {}
