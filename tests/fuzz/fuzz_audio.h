// What both sound harnesses do with a decoded sample: check that it is
// whole, then let the mixer read it as the game would play it.
#pragma once

#include "audio/pcm_sample.h"

// Builds the mixer's sound data from the sample, once as a one-shot and
// once looping, and mixes two blocks of each (the second with the rate
// sliding), so that every frame the decoder claims is read.
void check_and_mix(const TPcmSample& sample);
