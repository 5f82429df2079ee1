// The studio jingle: a harp climbs while the logo spins in (201 frames, about
// 3.35 s), and a bell chord rings out as it lands. The splash does not stop
// the jingle: the blinds start to close at about 6.35 s and the title fades
// in from 6.9 s to 7.7 s, so a plagal cadence carries the sound over, its
// final chord arriving with the blinds and dying away in the hall a second
// or so after the title is up.
#include "tools/artgen/generators.h"
#include "tools/artgen/instruments.h"
#include "tools/artgen/ogg_out.h"
#include "tools/artgen/reverb.h"

#include <cmath>

namespace {

const int rate = 44100;

long at_seconds(double t) {
    return static_cast<long>(t * rate);
}

void climb(AudioBuffer& s, Rng& rng) {
    // D major, climbing two and a half octaves.
    const int notes[] = {50, 54, 57, 62, 66, 69, 74, 78, 81, 86, 90, 93};
    const int count = sizeof notes / sizeof notes[0];
    for (int k = 0; k < count; ++k) {
        Mono note = pluck(midi_hz(notes[k]), 2.2, 0.6, 0.55f + 0.03f * k, rate, rng);
        mix_into(s, at_seconds(0.25 + k * 0.25), note, 0.5f, -0.6f + 1.2f * k / (count - 1), false);
    }
    // A soft pad under the climb.
    for (int p : {50, 57, 62, 66}) {
        Mono pad = render_note(Instrument::strings, midi_hz(p), 3.0, 0.35f, rate, rng);
        mix_into(s, at_seconds(0.1), pad, 0.22f, p % 2 ? 0.4f : -0.4f, false);
    }
}

void landing(AudioBuffer& s, Rng& rng, double t) {
    // The logo lands: a bell chord over a low D.
    for (int p : {74, 78, 81, 86}) {
        Mono b = bell(midi_hz(p), 2.2, 0.5f, rate);
        mix_into(s, at_seconds(t), b, 0.45f, p % 2 ? 0.3f : -0.3f, false);
    }
    Mono low = pluck(midi_hz(38), 2.2, 0.3, 0.9f, rate, rng);
    mix_into(s, at_seconds(t), low, 0.6f, 0, false);
}

void string_chord(AudioBuffer& s, Rng& rng, std::initializer_list<int> notes, double t, double held,
                  float gain) {
    for (int p : notes) {
        Mono note = render_note(Instrument::strings, midi_hz(p), held, 0.35f, rate, rng);
        mix_into(s, at_seconds(t), note, gain, p % 2 ? 0.35f : -0.35f, false);
    }
}

void cadence(AudioBuffer& s, Rng& rng) {
    // G major through the hold, then D major held while the title comes in.
    string_chord(s, rng, {55, 59, 62, 67}, 4.7, 1.3, 0.2f);
    const double last = 6.35;
    string_chord(s, rng, {50, 57, 62, 66, 69}, last, 0.9, 0.2f);
    for (int p : {74, 78}) {
        Mono b = bell(midi_hz(p), 2.4, 0.25f, rate);
        mix_into(s, at_seconds(last), b, 0.35f, p % 2 ? 0.3f : -0.3f, false);
    }
    Mono low = pluck(midi_hz(38), 2.4, 0.3, 0.6f, rate, rng);
    mix_into(s, at_seconds(last), low, 0.5f, 0, false);
}

// The hall would ring on for a few seconds more at a whisper, 50 dB down;
// the last `seconds` take that whisper smoothly on to silence.
void settle(AudioBuffer& s, double seconds) {
    std::size_t from = s.frames() - static_cast<std::size_t>(seconds * rate);
    for (std::size_t i = from; i < s.frames(); ++i) {
        double u = static_cast<double>(i - from) / static_cast<double>(s.frames() - from);
        auto g = static_cast<float>(0.5 + 0.5 * std::cos(M_PI * u));
        for (int c = 0; c < s.channels; ++c) s.at(i, c) *= g;
    }
}

} // namespace

void make_jingle(const std::string& dir) {
    AudioBuffer s(rate, 2, static_cast<std::size_t>(9.4 * rate));
    Rng rng(21);
    climb(s, rng);
    landing(s, rng, 3.35);
    cadence(s, rng);
    AudioBuffer wet = reverberate(s, 0.85, 0.35, false);
    for (std::size_t i = 0; i < s.samples.size(); ++i) s.samples[i] += 0.9f * wet.samples[i];
    settle(s, 0.6);
    finish_sound(s, 0.7f, true);
    write_ogg(dir + "/kovjingle.ogg", s, 0.4f, 7002, "Lanternfold");
}
