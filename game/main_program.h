// The game itself: start-up, the screens and the play loop.
#pragma once

void main_program();
