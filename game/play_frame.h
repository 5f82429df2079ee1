// The rule work of one frame of play, in the play loop's order.
#pragma once

// Clears the frame, lets the runes fall, updates and matches them, draws the
// board picture and the runes, advances the sparkles, draws the preview and
// the score panel, and runs the pressure rule with its gauge. The play loop
// reads the keys after this.
void play_frame_rules();
