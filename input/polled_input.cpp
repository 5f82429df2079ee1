// Placeholder until the input layer lands: the display layer can already
// connect and disconnect polled input.
#include "input/input.h"

void enable_polled_input() {}
void disable_polled_input() {}
