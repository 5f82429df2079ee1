// The building blocks of every sound: oscillators, envelopes, filters and
// noise, all in plain floats at a given sample rate.
#pragma once

#include "tools/artgen/audio_buffer.h"
#include "tools/artgen/rng.h"

#include <cmath>
#include <vector>

using Mono = std::vector<float>;

inline double midi_hz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// Attack, decay to a sustain level, hold, release; times in seconds.
struct Envelope {
    double attack, decay, sustain, release;
    // Level at time t of a note held for `held` seconds.
    double at(double t, double held) const;
};

// Two-pole filter (RBJ cookbook forms).
class Biquad {
  public:
    static Biquad lowpass(double hz, double q, double rate);
    static Biquad highpass(double hz, double q, double rate);
    static Biquad bandpass(double hz, double q, double rate);
    float process(float x);

  private:
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

class OnePole {
  public:
    OnePole(double hz, double rate) : k_(1.0 - std::exp(-2.0 * M_PI * hz / rate)) {}
    float lowpass(float x) { return static_cast<float>(y_ += k_ * (x - y_)); }
    float highpass(float x) { return x - lowpass(x); }

  private:
    double k_, y_ = 0;
};

// Band-limited sawtooth and pulse (polyBLEP), phase in 0..1.
class Oscillator {
  public:
    explicit Oscillator(double phase = 0) : phase_(phase) {}
    float saw(double hz, double rate);
    float pulse(double hz, double rate, double width);
    float sine(double hz, double rate);

  private:
    double phase_;
};

inline float white_noise(Rng& rng) {
    return static_cast<float>(rng.range(-1.0, 1.0));
}

// Adds `mono` into `out` from frame `start`, panned (-1 left .. 1 right, equal
// power) and scaled by `gain`. With `wrap` the sound runs on from the start
// of the buffer past its end, so a loop's notes ring across the seam.
void mix_into(AudioBuffer& out, long start, const Mono& mono, float gain, float pan, bool wrap);
