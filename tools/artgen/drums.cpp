#include "tools/artgen/drums.h"

#include <algorithm>

Mono render_drum(int drum, float velocity, int rate, Rng& rng) {
    double length = drum == kick ? 0.45 : drum == snare ? 0.3 : drum == frame_drum ? 0.4 : 0.12;
    Mono out(static_cast<std::size_t>(length * rate));
    double phase = 0;
    Biquad band = Biquad::bandpass(drum == snare ? 1800 : drum == shaker ? 5500 : 7500, 0.9, rate);
    Biquad high = Biquad::highpass(drum == hat ? 6500 : 900, 0.7, rate);
    OnePole thud(300, rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        double s = 0;
        switch (drum) {
        case kick: {
            double hz = 48 + 110 * std::exp(-t * 30);
            phase += hz / rate;
            s = std::sin(2 * M_PI * phase) * std::exp(-t * 8) +
                0.3 * thud.lowpass(white_noise(rng)) * std::exp(-t * 120);
            break;
        }
        case snare:
            phase += 190.0 / rate;
            s = 0.5 * std::sin(2 * M_PI * phase) * std::exp(-t * 30) +
                0.7 * high.process(band.process(white_noise(rng))) * 3 * std::exp(-t * 16);
            break;
        case hat:
            s = 0.6 * high.process(white_noise(rng)) * std::exp(-t * 60);
            break;
        case frame_drum: {
            double hz = 70 + 30 * std::exp(-t * 25);
            phase += hz / rate;
            s = 0.9 * std::sin(2 * M_PI * phase) * std::exp(-t * 9) +
                0.4 * thud.lowpass(white_noise(rng)) * std::exp(-t * 40);
            break;
        }
        default:
            s = 0.9 * band.process(white_noise(rng)) * std::min(1.0, t / 0.015) * std::exp(-t * 35);
            break;
        }
        double attack = std::min(1.0, t / 0.0015);
        double tail = std::min(1.0, (length - t) / 0.01);
        out[i] = static_cast<float>(velocity * s * attack * tail);
    }
    return out;
}
