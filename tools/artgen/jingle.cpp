// The studio jingle: a harp climbs while the logo spins in (201 frames, about
// 3.35 s), and a bell chord rings out through the 3 s hold.
#include "tools/artgen/generators.h"
#include "tools/artgen/instruments.h"
#include "tools/artgen/ogg_out.h"
#include "tools/artgen/reverb.h"

#include <cmath>

void make_jingle(const std::string& dir) {
    const int rate = 44100;
    AudioBuffer s(rate, 2, static_cast<std::size_t>(5.6 * rate));
    Rng rng(21);
    // D major, climbing two and a half octaves.
    const int climb[] = {50, 54, 57, 62, 66, 69, 74, 78, 81, 86, 90, 93};
    const int count = sizeof climb / sizeof climb[0];
    for (int k = 0; k < count; ++k) {
        double t = 0.25 + k * 0.25;
        Mono note = pluck(midi_hz(climb[k]), 2.2, 0.6, 0.55f + 0.03f * k, rate, rng);
        mix_into(s, static_cast<long>(t * rate), note, 0.5f, -0.6f + 1.2f * k / (count - 1), false);
    }
    // A soft pad under the climb.
    for (int p : {50, 57, 62, 66}) {
        Mono pad = render_note(Instrument::strings, midi_hz(p), 3.0, 0.35f, rate, rng);
        mix_into(s, static_cast<long>(0.1 * rate), pad, 0.22f, p % 2 ? 0.4f : -0.4f, false);
    }
    // The logo lands: a bell chord over a low D.
    const double land = 3.35;
    for (int p : {74, 78, 81, 86}) {
        Mono b = bell(midi_hz(p), 2.2, 0.5f, rate);
        mix_into(s, static_cast<long>(land * rate), b, 0.45f, p % 2 ? 0.3f : -0.3f, false);
    }
    Mono low = pluck(midi_hz(38), 2.2, 0.3, 0.9f, rate, rng);
    mix_into(s, static_cast<long>(land * rate), low, 0.6f, 0, false);
    AudioBuffer wet = reverberate(s, 0.85, 0.35, false);
    for (std::size_t i = 0; i < s.samples.size(); ++i) s.samples[i] += 0.9f * wet.samples[i];
    // Fade the tail so the file ends in silence.
    std::size_t fade_from = static_cast<std::size_t>(4.6 * rate);
    for (std::size_t i = fade_from; i < s.frames(); ++i) {
        float g = static_cast<float>(s.frames() - i) / static_cast<float>(s.frames() - fade_from);
        s.at(i, 0) *= g * g;
        s.at(i, 1) *= g * g;
    }
    finish_sound(s, 0.7f, true);
    write_ogg(dir + "/kovjingle.ogg", s, 0.4f, 7002, "Lanternfold");
}
