// The voices of the music: each renders one note, its release included.
#pragma once

#include "tools/artgen/composer.h"
#include "tools/artgen/synth.h"

// One note of `seconds` (how long it is held) at `hz`; the result also holds
// the note's natural ring-out.
Mono render_note(Instrument instrument, double hz, double seconds, float velocity, int rate,
                 Rng& rng);

// Plucked string (Karplus-Strong) with a given brightness 0..1 and decay time.
Mono pluck(double hz, double ring_seconds, double brightness, float velocity, int rate, Rng& rng);
// Struck bell (two-operator FM) ringing for about `ring_seconds`; `index`
// sets how bright its strike is (keep it low at low sample rates).
Mono bell(double hz, double ring_seconds, float velocity, int rate, double index = 2.2);
