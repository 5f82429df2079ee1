// A small stereo hall (parallel damped combs into series all-passes).
#pragma once

#include "tools/artgen/audio_buffer.h"

// Returns the hall's answer to `dry` (stereo). With `loop` the input is fed
// through twice and the second pass kept, so the tail of the loop's end rings
// on into its start exactly as it would when the music repeats.
AudioBuffer reverberate(const AudioBuffer& dry, double room, double damping, bool loop);
