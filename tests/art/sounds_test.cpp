// Levels and seams of every sound: nothing clips or drifts off centre, one-shot
// sounds start and end in silence, and music loops join without a step.
#include "art_files.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace art;

namespace {

const double ceiling = std::pow(10.0, -1.0 / 20); // -1 dBFS

double peak(const Sound& s) {
    double p = 0;
    for (float v : s.samples) p = std::max(p, static_cast<double>(std::fabs(v)));
    return p;
}

double mean(const Sound& s, int channel) {
    double sum = 0;
    for (std::size_t i = 0; i < s.frames(); ++i) sum += s.at(i, channel);
    return sum / static_cast<double>(s.frames());
}

double rms(const Sound& s, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        for (int c = 0; c < s.channels; ++c) sum += s.at(i, c) * s.at(i, c);
    return std::sqrt(sum / static_cast<double>(count * s.channels));
}

void expect_levels(const Sound& s) {
    ASSERT_GT(s.frames(), 1000u);
    EXPECT_LE(peak(s), ceiling);
    EXPECT_GT(peak(s), 0.1) << "barely audible";
    for (int c = 0; c < s.channels; ++c) EXPECT_LT(std::fabs(mean(s, c)), 0.002) << "DC offset";
}

void expect_silent_ends(const Sound& s) {
    for (std::size_t i = 0; i < 16; ++i)
        for (int c = 0; c < s.channels; ++c) {
            EXPECT_LT(std::fabs(s.at(i, c)), 0.01) << "starts with a click";
            EXPECT_LT(std::fabs(s.at(s.frames() - 1 - i, c)), 0.01) << "ends with a click";
        }
}

void expect_seamless_loop(const Sound& s) {
    // The jump from the last frame back to the first is no larger than the
    // steps the music itself makes between neighbouring frames.
    std::vector<double> steps;
    for (std::size_t i = 1; i < s.frames(); ++i)
        for (int c = 0; c < s.channels; ++c)
            steps.push_back(std::fabs(s.at(i, c) - s.at(i - 1, c)));
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
    double usual = steps[steps.size() * 99 / 100];
    for (int c = 0; c < s.channels; ++c)
        EXPECT_LE(std::fabs(s.at(0, c) - s.at(s.frames() - 1, c)), usual) << "click at the seam";
    // No gap: the music plays on at the seam rather than fading out and in.
    std::size_t quarter = static_cast<std::size_t>(s.rate / 4);
    double end = rms(s, s.frames() - quarter, quarter), start = rms(s, 0, quarter);
    EXPECT_GT(end, 0.01);
    EXPECT_GT(start, 0.01);
    EXPECT_LT(std::fabs(20 * std::log10(end / start)), 12.0);
}

} // namespace

TEST(Effects, LevelsAndQuietEnds) {
    for (const char* name : {"click.wav", "sparkle.wav", "white.wav", "black.wav", "gray.wav"}) {
        SCOPED_TRACE(name);
        Sound s = read_wav(assets_dir() + "/" + name);
        expect_levels(s);
        expect_silent_ends(s);
    }
}

TEST(Jingle, LevelsAndQuietEnds) {
    Sound s = read_ogg(assets_dir() + "/kovjingle.ogg");
    expect_levels(s);
    expect_silent_ends(s);
    // Still sounding while the title fades in (6.9 s to 7.7 s), then dying
    // away rather than stopping: the last tenth of a second is a whisper.
    auto at = [&s](double seconds) { return static_cast<std::size_t>(seconds * s.rate); };
    ASSERT_GT(s.frames(), at(7.7));
    EXPECT_GT(20 * std::log10(rms(s, at(6.9), at(0.8))), -35.0);
    EXPECT_LT(20 * std::log10(rms(s, s.frames() - at(0.1), at(0.1))), -60.0);
}

TEST(Music, SelectMusicLoopsWithoutSeam) {
    Sound s = read_ogg(assets_dir() + "/select.ogg");
    expect_levels(s);
    expect_seamless_loop(s);
}

TEST(Music, EachCharacterLoopsWithoutSeamAtOneLoudness) {
    std::vector<double> loudness;
    for (int id : character_ids()) {
        SCOPED_TRACE(id);
        Sound s = read_ogg(chars_dir() + "/music" + std::to_string(id) + ".ogg");
        expect_levels(s);
        expect_seamless_loop(s);
        loudness.push_back(20 * std::log10(rms(s, 0, s.frames())));
    }
    // Switching characters should not need a hand on the volume.
    auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
    EXPECT_LT(*loudest - *quietest, 3.0);
}
