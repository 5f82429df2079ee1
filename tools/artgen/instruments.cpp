#include "tools/artgen/instruments.h"

#include <algorithm>

namespace {

std::size_t frames_for(double seconds, int rate) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * rate) + 1;
}

Mono sustained(double hz, double held, float velocity, int rate, Rng& rng, const Envelope& env,
               auto&& voice) {
    Mono out(frames_for(held + env.release, rate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        out[i] = static_cast<float>(velocity * env.at(t, held) * voice(t, hz, rng));
    }
    return out;
}

double vibrato(double t, double depth, double delay) {
    double fade = std::clamp((t - delay) / 0.3, 0.0, 1.0);
    return 1.0 + depth * fade * std::sin(2 * M_PI * 5.2 * t);
}

Mono flute(double hz, double held, float velocity, int rate, Rng& rng) {
    Oscillator a, b, c;
    Biquad breath = Biquad::bandpass(hz * 2, 2, rate);
    return sustained(hz, held, velocity, rate, rng, {0.06, 0.1, 0.85, 0.12},
                     [&](double t, double f, Rng& r) {
                         double v = f * vibrato(t, 0.004, 0.2);
                         return 0.8 * a.sine(v, rate) + 0.12 * b.sine(2 * v, rate) +
                                0.05 * c.sine(3 * v, rate) + 0.25 * breath.process(white_noise(r));
                     });
}

Mono chip(double hz, double held, float velocity, int rate, Rng& rng) {
    Oscillator o;
    OnePole tone(3200, rate);
    return sustained(
        hz, held, velocity, rate, rng, {0.01, 0.15, 0.6, 0.09}, [&](double t, double f, Rng&) {
            return 0.45 * tone.lowpass(o.pulse(f * vibrato(t, 0.005, 0.25), rate, 0.3));
        });
}

Mono fiddle(double hz, double held, float velocity, int rate, Rng& rng) {
    Oscillator a(0.0), b(0.37);
    Biquad body = Biquad::lowpass(2600, 0.9, rate);
    Biquad formant = Biquad::bandpass(1100, 1.5, rate);
    return sustained(hz, held, velocity, rate, rng, {0.05, 0.12, 0.8, 0.12},
                     [&](double t, double f, Rng&) {
                         double v = f * vibrato(t, 0.006, 0.15);
                         float s = 0.5f * (a.saw(v, rate) + b.saw(v * 1.003, rate));
                         return 0.45 * body.process(s) + 0.35 * formant.process(s);
                     });
}

Mono organ(double hz, double held, float velocity, int rate, Rng& rng) {
    Oscillator o[5];
    const double ratio[5] = {1, 2, 3, 4, 0.5}, weight[5] = {0.5, 0.3, 0.15, 0.08, 0.25};
    return sustained(hz, held, velocity, rate, rng, {0.02, 0.1, 0.9, 0.08},
                     [&](double t, double f, Rng&) {
                         double s = 0, trem = 1 + 0.05 * std::sin(2 * M_PI * 6 * t);
                         for (int k = 0; k < 5; ++k) s += weight[k] * o[k].sine(f * ratio[k], rate);
                         return 0.6 * s * trem;
                     });
}

Mono strings(double hz, double held, float velocity, int rate, Rng& rng) {
    Oscillator a(0.1), b(0.5), c(0.8);
    Biquad tone = Biquad::lowpass(std::min(1800.0, hz * 6), 0.7, rate);
    return sustained(hz, held, velocity, rate, rng, {0.45, 0.3, 0.85, 0.9},
                     [&](double, double f, Rng&) {
                         float s = a.saw(f * 0.996, rate) + b.saw(f, rate) + c.saw(f * 1.004, rate);
                         return 0.35 * tone.process(s);
                     });
}

Mono choir(double hz, double held, float velocity, int rate, Rng& rng) {
    Oscillator a(0.2), b(0.7);
    Biquad f1 = Biquad::bandpass(700, 3, rate), f2 = Biquad::bandpass(1150, 4, rate);
    Biquad soft = Biquad::lowpass(2500, 0.7, rate);
    return sustained(
        hz, held, velocity, rate, rng, {0.5, 0.3, 0.9, 1.0}, [&](double t, double f, Rng&) {
            double v = f * vibrato(t, 0.003, 0.3);
            float s = a.saw(v * 0.997, rate) + b.saw(v * 1.003, rate);
            return soft.process(0.9f * f1.process(s) + 0.6f * f2.process(s) + 0.08f * s);
        });
}

Mono warm_bass(double hz, double held, float velocity, int rate, Rng& rng) {
    Oscillator a, b;
    OnePole tone(900, rate);
    return sustained(hz, held, velocity, rate, rng, {0.008, 0.25, 0.7, 0.08},
                     [&](double, double f, Rng&) {
                         return 0.8 * a.sine(f, rate) + 0.3 * tone.lowpass(b.saw(f, rate));
                     });
}

Mono marimba(double hz, double held, float velocity, int rate) {
    Mono out(frames_for(std::max(held, 0.25) + 0.6, rate));
    Oscillator a, b, c;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        double attack = std::min(1.0, t / 0.002);
        double s = a.sine(hz, rate) * std::exp(-t * 5) +
                   0.35 * b.sine(hz * 4, rate) * std::exp(-t * 18) +
                   0.1 * c.sine(hz * 9.9, rate) * std::exp(-t * 40);
        out[i] = static_cast<float>(velocity * attack * 0.8 * s);
    }
    return out;
}

} // namespace

Mono pluck(double hz, double ring_seconds, double brightness, float velocity, int rate, Rng& rng) {
    // Karplus-Strong: the averaging filter adds half a sample of delay, so the
    // loop reads back period - 0.5 samples, interpolated between samples.
    double period = rate / hz, delay = period - 0.5;
    std::size_t burst = static_cast<std::size_t>(std::ceil(period)) + 1;
    // Loop gain so that the string falls by 60 dB in ring_seconds.
    double gain = std::pow(0.001, 1.0 / (ring_seconds * hz));
    Mono out(std::max(frames_for(ring_seconds, rate), burst + 1));
    OnePole shape(800 + 7000 * brightness, rate);
    for (std::size_t i = 0; i < burst; ++i) out[i] = shape.lowpass(white_noise(rng));
    auto read = [&](double pos) {
        auto i0 = static_cast<std::size_t>(pos);
        double f = pos - static_cast<double>(i0);
        return out[i0] * (1 - f) + out[i0 + 1] * f;
    };
    for (std::size_t i = burst; i < out.size(); ++i) {
        double pos = static_cast<double>(i) - delay;
        out[i] = static_cast<float>(gain * 0.5 * (read(pos) + read(pos - 1)));
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        // Soften the first samples so the pluck does not tick.
        float fade = i < 64 ? static_cast<float>(i) / 64 : 1.0f;
        out[i] *= velocity * fade;
    }
    return out;
}

Mono bell(double hz, double ring_seconds, float velocity, int rate, double index) {
    Mono out(frames_for(ring_seconds, rate));
    double pc = 0, pm = 0, p2 = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        double decay = std::exp(-t * 4.6 / ring_seconds);
        double strike = index * std::exp(-t * 6);
        double s = std::sin(2 * M_PI * pc + strike * std::sin(2 * M_PI * pm));
        s += 0.25 * std::sin(2 * M_PI * p2) * std::exp(-t * 9.0 / ring_seconds);
        pc += hz / rate;
        pm += hz * 3.5 / rate;
        p2 += hz * 2.76 / rate;
        pc -= std::floor(pc);
        pm -= std::floor(pm);
        p2 -= std::floor(p2);
        double attack = std::min(1.0, t / 0.003);
        out[i] = static_cast<float>(velocity * 0.6 * attack * decay * s);
    }
    return out;
}

Mono render_note(Instrument instrument, double hz, double seconds, float velocity, int rate,
                 Rng& rng) {
    switch (instrument) {
    case Instrument::harp:
        return pluck(hz, std::max(1.2, seconds + 0.8), 0.55, velocity, rate, rng);
    case Instrument::bell:
        return bell(hz, std::max(1.5, seconds * 2), velocity, rate);
    case Instrument::marimba:
        return marimba(hz, seconds, velocity, rate);
    case Instrument::flute:
        return flute(hz, seconds, velocity, rate, rng);
    case Instrument::chip:
        return chip(hz, seconds, velocity, rate, rng);
    case Instrument::fiddle:
        return fiddle(hz, seconds, velocity, rate, rng);
    case Instrument::organ:
        return organ(hz, seconds, velocity, rate, rng);
    case Instrument::strings:
        return strings(hz, seconds, velocity, rate, rng);
    case Instrument::choir:
        return choir(hz, seconds, velocity, rate, rng);
    case Instrument::warm_bass:
        return warm_bass(hz, seconds, velocity, rate, rng);
    case Instrument::pluck_bass:
        return pluck(hz, std::max(0.8, seconds + 0.3), 0.3, velocity, rate, rng);
    }
    return {};
}
