#include "tools/artgen/wav_out.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace {

void put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 255);
    out += static_cast<char>((v >> 8) & 255);
}
void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

double mean(const AudioBuffer& sound, int channel) {
    double sum = 0;
    for (std::size_t i = 0; i < sound.frames(); ++i) sum += sound.at(i, channel);
    return sound.frames() ? sum / static_cast<double>(sound.frames()) : 0.0;
}

} // namespace

void finish_sound(AudioBuffer& sound, float peak, bool fade_ends) {
    std::size_t frames = sound.frames();
    if (frames == 0) return;
    if (fade_ends) {
        // A short raised-cosine fade at each end; the DC removal comes after
        // it so that the faded ends sit at zero too.
        std::size_t fade =
            std::min<std::size_t>(frames / 4, static_cast<std::size_t>(sound.rate / 200));
        for (std::size_t i = 0; i < fade; ++i) {
            float g = 0.5f - 0.5f * std::cos(static_cast<float>(M_PI) * static_cast<float>(i) /
                                             static_cast<float>(fade));
            for (int c = 0; c < sound.channels; ++c) {
                sound.at(i, c) *= g;
                sound.at(frames - 1 - i, c) *= g;
            }
        }
    }
    for (int c = 0; c < sound.channels; ++c) {
        double m = mean(sound, c);
        if (fade_ends) {
            // Take the offset out with the same window shape so the ends stay silent.
            double window_sum = 0;
            std::vector<double> w(frames);
            for (std::size_t i = 0; i < frames; ++i) {
                w[i] =
                    std::sin(M_PI * (static_cast<double>(i) + 0.5) / static_cast<double>(frames));
                window_sum += w[i];
            }
            double k = m * static_cast<double>(frames) / window_sum;
            for (std::size_t i = 0; i < frames; ++i) sound.at(i, c) -= static_cast<float>(k * w[i]);
        } else {
            for (std::size_t i = 0; i < frames; ++i) sound.at(i, c) -= static_cast<float>(m);
        }
    }
    float loudest = 0;
    for (float s : sound.samples) loudest = std::max(loudest, std::fabs(s));
    if (loudest > 0)
        for (float& s : sound.samples) s *= peak / loudest;
}

void write_wav(const std::string& path, const AudioBuffer& sound) {
    std::uint32_t data_bytes = static_cast<std::uint32_t>(sound.samples.size() * 2);
    std::string out;
    out.reserve(44 + data_bytes);
    out += "RIFF";
    put32(out, 36 + data_bytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<unsigned>(sound.channels));
    put32(out, static_cast<std::uint32_t>(sound.rate));
    put32(out, static_cast<std::uint32_t>(sound.rate * sound.channels * 2));
    put16(out, static_cast<unsigned>(sound.channels * 2));
    put16(out, 16);
    out += "data";
    put32(out, data_bytes);
    for (float s : sound.samples) {
        long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put16(out, static_cast<unsigned>(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))));
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok) throw std::runtime_error("failed writing " + path);
}
