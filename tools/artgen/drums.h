// Percussion: kick, snare, hat, frame drum and shaker.
#pragma once

#include "tools/artgen/synth.h"

enum Drum { kick = 0, snare = 1, hat = 2, frame_drum = 3, shaker = 4 };

Mono render_drum(int drum, float velocity, int rate, Rng& rng);
