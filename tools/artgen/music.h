// Turning a score into sound.
#pragma once

#include "tools/artgen/audio_buffer.h"
#include "tools/artgen/composer.h"

// Plays every note and hit of the score into a stereo buffer of exactly the
// score's length; with `loop` the sounds that ring past the end come back in
// at the start, so the buffer repeats without a seam.
AudioBuffer perform(const Score& score, const MusicStyle& style, int rate, bool loop);
