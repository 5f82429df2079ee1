// The five sound effects of play: a rune landing, a line found, the white
// rune's shimmer, the black rune's blast and the gray rune's lightning.
#include "tools/artgen/generators.h"
#include "tools/artgen/instruments.h"
#include "tools/artgen/reverb.h"
#include "tools/artgen/synth.h"
#include "tools/artgen/wav_out.h"

#include <algorithm>
#include <cmath>

namespace {

AudioBuffer blank(int rate, int channels, double seconds) {
    return AudioBuffer(rate, channels, static_cast<std::size_t>(seconds * rate));
}

void add_reverb(AudioBuffer& sound, double amount, double room) {
    AudioBuffer wet = reverberate(sound, room, 0.4, false);
    for (std::size_t i = 0; i < sound.samples.size(); ++i)
        sound.samples[i] += static_cast<float>(amount) * wet.samples[i];
}

// A rune settling into its cell: a short, dry stone-on-stone tap.
AudioBuffer click() {
    const int rate = 44100;
    AudioBuffer s = blank(rate, 1, 0.16);
    Rng rng(11);
    Biquad grit = Biquad::bandpass(3200, 1.4, rate);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        double t = static_cast<double>(i) / rate;
        double v = 0.55 * std::sin(2 * M_PI * 1180 * t) * std::exp(-t * 55) +
                   0.25 * std::sin(2 * M_PI * 2630 * t) * std::exp(-t * 90) +
                   0.45 * std::sin(2 * M_PI * 240 * t) * std::exp(-t * 35) +
                   0.6 * grit.process(white_noise(rng)) * std::exp(-t * 160);
        s.at(i, 0) = static_cast<float>(v);
    }
    finish_sound(s, 0.6f, true);
    return s;
}

// Three notes chiming upward: a line has formed.
AudioBuffer sparkle() {
    const int rate = 22050;
    AudioBuffer s = blank(rate, 1, 1.3);
    const int notes[5] = {76, 79, 83, 86, 91};
    for (int k = 0; k < 5; ++k) {
        Mono b = bell(midi_hz(notes[k]), 0.9, 0.8f - 0.08f * k, rate, 0.8);
        mix_into(s, static_cast<long>(k * 0.055 * rate), b, 1.0f, 0, false);
    }
    Rng rng(12);
    for (int k = 0; k < 14; ++k) {
        double t0 = rng.range(0.05, 0.7), hz = rng.range(2500, 5000);
        Mono ping(static_cast<std::size_t>(0.25 * rate));
        for (std::size_t i = 0; i < ping.size(); ++i) {
            double t = static_cast<double>(i) / rate;
            ping[i] = static_cast<float>(0.12 * std::sin(2 * M_PI * hz * t) * std::exp(-t * 22) *
                                         std::min(1.0, t / 0.002));
        }
        mix_into(s, static_cast<long>(t0 * rate), ping, 1.0f, 0, false);
    }
    add_reverb(s, 0.6, 0.5);
    finish_sound(s, 0.7f, true);
    return s;
}

// The white rune dissolving: a bright chord that swells and glitters away.
AudioBuffer white() {
    const int rate = 44100;
    AudioBuffer s = blank(rate, 2, 2.4);
    const int chord[4] = {84, 88, 91, 96};
    for (int k = 0; k < 4; ++k) {
        Mono tone(static_cast<std::size_t>(2.2 * rate));
        Oscillator o(0.25 * k);
        for (std::size_t i = 0; i < tone.size(); ++i) {
            double t = static_cast<double>(i) / rate;
            double env = std::min(1.0, t / 0.12) * std::exp(-t * 1.8);
            double trem = 1 + 0.3 * std::sin(2 * M_PI * (7 + k) * t);
            tone[i] = static_cast<float>(0.25 * env * trem *
                                         o.sine(midi_hz(chord[k]) * (1 + 0.002 * t), rate));
        }
        mix_into(s, 0, tone, 1.0f, k % 2 ? 0.4f : -0.4f, false);
    }
    Rng rng(13);
    for (int k = 0; k < 22; ++k) {
        double t0 = 0.05 + k * 0.07 + rng.range(0, 0.03);
        int note = 88 + rng.below(0, 4) * 3 + (k / 6) * 2;
        Mono b = bell(midi_hz(note), 0.6, 0.35f * std::exp(-0.06f * k), rate);
        mix_into(s, static_cast<long>(t0 * rate), b, 1.0f, k % 2 ? 0.7f : -0.7f, false);
    }
    add_reverb(s, 0.9, 0.7);
    finish_sound(s, 0.8f, true);
    return s;
}

// The black rune's blast: a low boom under a burst of falling noise and debris.
AudioBuffer black() {
    const int rate = 44100;
    AudioBuffer s = blank(rate, 2, 1.5);
    Rng rng(14);
    for (int c = 0; c < 2; ++c) {
        Mono blast(s.frames());
        Biquad low = Biquad::lowpass(3000, 0.7, rate);
        double phase = 0;
        for (std::size_t i = 0; i < blast.size(); ++i) {
            double t = static_cast<double>(i) / rate;
            // The noise darkens as it dies away.
            if (i % 256 == 0) low = Biquad::lowpass(180 + 3800 * std::exp(-t * 7), 0.7, rate);
            double noise = low.process(white_noise(rng)) * std::exp(-t * 4.5);
            phase += (32 + 70 * std::exp(-t * 9)) / rate;
            double boom = std::sin(2 * M_PI * phase) * std::exp(-t * 4);
            blast[i] = static_cast<float>((0.9 * noise + 0.8 * boom) * std::min(1.0, t / 0.003));
        }
        mix_into(s, 0, blast, 1.0f, c ? 0.6f : -0.6f, false);
    }
    for (int k = 0; k < 30; ++k) {
        double t0 = rng.range(0.02, 0.45);
        Mono bit(static_cast<std::size_t>(0.02 * rate));
        Biquad hp = Biquad::highpass(1500, 0.7, rate);
        for (std::size_t i = 0; i < bit.size(); ++i)
            bit[i] = static_cast<float>(0.3 * hp.process(white_noise(rng)) *
                                        std::exp(-static_cast<double>(i) / rate * 250));
        mix_into(s, static_cast<long>(t0 * rate), bit, static_cast<float>(std::exp(-t0 * 4)),
                 static_cast<float>(rng.range(-0.8, 0.8)), false);
    }
    add_reverb(s, 0.5, 0.6);
    finish_sound(s, 0.85f, true);
    return s;
}

// The gray rune's lightning: a crack, crackles along the bolt, then thunder.
AudioBuffer gray() {
    const int rate = 44100;
    AudioBuffer s = blank(rate, 2, 3.4);
    Rng rng(15);
    for (int c = 0; c < 2; ++c) {
        Mono thunder(s.frames());
        Biquad low = Biquad::lowpass(260, 0.8, rate);
        OnePole brown(40, rate);
        Biquad crack_hp = Biquad::highpass(1200, 0.7, rate);
        double rumble = 0;
        for (std::size_t i = 0; i < thunder.size(); ++i) {
            double t = static_cast<double>(i) / rate;
            double crack = crack_hp.process(white_noise(rng)) * std::exp(-t * 40);
            // Rumble swells a moment after the crack and rolls unevenly.
            rumble += (rng.range(-1, 1) - rumble) * 0.0004;
            double roll = std::max(0.0, 0.6 + 3 * rumble);
            double body = low.process(brown.lowpass(white_noise(rng)) * 10) * roll *
                          std::min(1.0, t / 0.12) * std::exp(-t * 1.3);
            thunder[i] = static_cast<float>(0.6 * crack + 2.2 * body);
        }
        mix_into(s, 0, thunder, 1.0f, c ? 0.7f : -0.7f, false);
    }
    for (int k = 0; k < 40; ++k) {
        double t0 = rng.range(0.0, 0.35);
        Mono bit(static_cast<std::size_t>(0.012 * rate));
        Biquad hp = Biquad::highpass(2500, 0.7, rate);
        for (std::size_t i = 0; i < bit.size(); ++i)
            bit[i] = static_cast<float>(hp.process(white_noise(rng)) *
                                        std::exp(-static_cast<double>(i) / rate * 300));
        mix_into(s, static_cast<long>(t0 * rate), bit, static_cast<float>(0.5 * std::exp(-t0 * 5)),
                 static_cast<float>(rng.range(-0.9, 0.9)), false);
    }
    add_reverb(s, 0.4, 0.8);
    finish_sound(s, 0.85f, true);
    return s;
}

} // namespace

void make_effects(const std::string& dir) {
    write_wav(dir + "/click.wav", click());
    write_wav(dir + "/sparkle.wav", sparkle());
    write_wav(dir + "/white.wav", white());
    write_wav(dir + "/black.wav", black());
    write_wav(dir + "/gray.wav", gray());
}
