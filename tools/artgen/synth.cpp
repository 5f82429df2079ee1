#include "tools/artgen/synth.h"

double Envelope::at(double t, double held) const {
    if (t < 0) return 0;
    auto before_release = [&](double u) {
        if (u < attack) return u / attack;
        u -= attack;
        if (u < decay) return 1.0 - (1.0 - sustain) * (u / decay);
        return sustain;
    };
    if (t < held) return before_release(t);
    double level = before_release(held);
    double u = t - held;
    return u >= release ? 0.0 : level * (1.0 - u / release) * (1.0 - u / release);
}

Biquad Biquad::lowpass(double hz, double q, double rate) {
    Biquad f;
    double w = 2 * M_PI * hz / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    double a0 = 1 + alpha;
    f.b0 = (1 - c) / 2 / a0;
    f.b1 = (1 - c) / a0;
    f.b2 = f.b0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::highpass(double hz, double q, double rate) {
    Biquad f;
    double w = 2 * M_PI * hz / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    double a0 = 1 + alpha;
    f.b0 = (1 + c) / 2 / a0;
    f.b1 = -(1 + c) / a0;
    f.b2 = f.b0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::bandpass(double hz, double q, double rate) {
    Biquad f;
    double w = 2 * M_PI * hz / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    double a0 = 1 + alpha;
    f.b0 = alpha / a0;
    f.b1 = 0;
    f.b2 = -alpha / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

float Biquad::process(float x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return static_cast<float>(y);
}

namespace {

double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

} // namespace

float Oscillator::saw(double hz, double rate) {
    double dt = hz / rate;
    double v = 2 * phase_ - 1 - blep(phase_, dt);
    phase_ += dt;
    phase_ -= std::floor(phase_);
    return static_cast<float>(v);
}

float Oscillator::pulse(double hz, double rate, double width) {
    double dt = hz / rate;
    double v = (phase_ < width ? 1.0 : -1.0) + blep(phase_, dt);
    double shifted = phase_ + 1 - width;
    shifted -= std::floor(shifted);
    v -= blep(shifted, dt);
    phase_ += dt;
    phase_ -= std::floor(phase_);
    return static_cast<float>(v);
}

float Oscillator::sine(double hz, double rate) {
    double v = std::sin(2 * M_PI * phase_);
    phase_ += hz / rate;
    phase_ -= std::floor(phase_);
    return static_cast<float>(v);
}

void mix_into(AudioBuffer& out, long start, const Mono& mono, float gain, float pan, bool wrap) {
    long frames = static_cast<long>(out.frames());
    if (frames == 0) return;
    double angle = (pan + 1) * M_PI / 4;
    float gains[2] = {static_cast<float>(gain * std::cos(angle) * M_SQRT2),
                      static_cast<float>(gain * std::sin(angle) * M_SQRT2)};
    for (std::size_t i = 0; i < mono.size(); ++i) {
        long f = start + static_cast<long>(i);
        if (wrap) {
            f %= frames;
            if (f < 0) f += frames;
        } else if (f < 0 || f >= frames) {
            continue;
        }
        if (out.channels == 1) {
            out.at(static_cast<std::size_t>(f), 0) += gain * mono[i];
        } else {
            out.at(static_cast<std::size_t>(f), 0) += gains[0] * mono[i];
            out.at(static_cast<std::size_t>(f), 1) += gains[1] * mono[i];
        }
    }
}
