// The generator's own building blocks: pixel and sample formats, the sound
// finishing, the string model's pitch, the composer's scales and the seams of
// looped sound.
#include "art_files.h"
#include "tests/support/scratch_folder.h"
#include "tools/artgen/canvas.h"
#include "tools/artgen/composer.h"
#include "tools/artgen/instruments.h"
#include "tools/artgen/music.h"
#include "tools/artgen/reverb.h"
#include "tools/artgen/wav_out.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

MusicStyle small_style() {
    return {57,
            modes::dorian,
            120,
            4,
            2,
            16,
            {0, 3, 4, 6},
            Instrument::flute,
            Instrument::marimba,
            Instrument::strings,
            Instrument::warm_bass,
            Instrument::harp,
            Drums::driving,
            0,
            0.3,
            99};
}

// Frequency from the strongest self-similarity of a stretch after the attack
// (the period's lag, refined between samples).
double measured_hz(const Mono& s, int rate, double expected) {
    std::size_t from = static_cast<std::size_t>(rate / 20),
                length = static_cast<std::size_t>(rate / 10);
    auto similarity = [&](std::size_t lag) {
        double sum = 0;
        for (std::size_t i = from; i < from + length; ++i) sum += s[i] * s[i + lag];
        return sum;
    };
    std::size_t lo = static_cast<std::size_t>(rate / expected * 0.7),
                hi = static_cast<std::size_t>(rate / expected * 1.4);
    std::size_t best = lo;
    for (std::size_t lag = lo; lag <= hi; ++lag)
        if (similarity(lag) > similarity(best)) best = lag;
    double a = similarity(best - 1), b = similarity(best), c = similarity(best + 1);
    double shift = 0.5 * (a - c) / (a - 2 * b + c);
    return rate / (static_cast<double>(best) + shift);
}

} // namespace

TEST(PngOutput, UndoesPremultipliedAlphaAndKeepsTheAskedLayout) {
    ScratchFolder scratch;
    Canvas canvas(4, 2);
    cairo_set_source_rgba(canvas.cr(), 1, 0.5, 0, 0.5);
    cairo_rectangle(canvas.cr(), 0, 0, 2, 2);
    cairo_fill(canvas.cr());
    cairo_set_source_rgba(canvas.cr(), 0, 0, 1, 1);
    cairo_rectangle(canvas.cr(), 2, 0, 2, 2);
    cairo_fill(canvas.cr());
    canvas.save(scratch.file("rgba.png"), PngLayout::rgba);
    canvas.save(scratch.file("rgb.png"), PngLayout::rgb);

    art::Picture rgba = art::read_png(scratch.file("rgba.png"));
    ASSERT_EQ(rgba.colour_type, 6);
    const std::uint8_t* half = rgba.at(0, 0);
    EXPECT_EQ(half[0], 255) << "colour left premultiplied";
    EXPECT_NEAR(half[1], 128, 1);
    EXPECT_EQ(half[2], 0);
    EXPECT_NEAR(half[3], 128, 1);
    const std::uint8_t* blue = rgba.at(3, 1);
    EXPECT_EQ(blue[0], 0);
    EXPECT_EQ(blue[2], 255) << "red and blue swapped";
    EXPECT_EQ(blue[3], 255);

    art::Picture rgb = art::read_png(scratch.file("rgb.png"));
    EXPECT_EQ(rgb.colour_type, 2);
    EXPECT_EQ(rgb.at(3, 1)[2], 255);
}

TEST(WavOutput, WritesAPlainPcmHeaderAndClampsOverloads) {
    ScratchFolder scratch;
    AudioBuffer sound(22050, 2, 3);
    sound.samples = {0.0f, 1.5f, -1.5f, 0.5f, -0.25f, 0.0f};
    write_wav(scratch.file("s.wav"), sound);
    std::string bytes = art::read_file(scratch.file("s.wav"));
    EXPECT_EQ(bytes.size(), 44u + 12u);
    art::Sound back = art::read_wav(scratch.file("s.wav"));
    ASSERT_EQ(back.channels, 2);
    EXPECT_EQ(back.rate, 22050);
    ASSERT_EQ(back.frames(), 3u);
    EXPECT_NEAR(back.at(0, 1), 32767 / 32768.0, 1e-6);
    EXPECT_NEAR(back.at(1, 0), -32767 / 32768.0, 1e-6);
    EXPECT_NEAR(back.at(1, 1), 0.5, 1e-4);
}

TEST(FinishSound, RemovesOffsetSetsPeakAndSilencesTheEnds) {
    AudioBuffer sound(44100, 1, 4410);
    for (std::size_t i = 0; i < sound.frames(); ++i)
        sound.samples[i] = 0.3f + 0.5f * static_cast<float>(std::sin(i * 0.05));
    finish_sound(sound, 0.8f, true);
    double sum = 0, peak = 0;
    for (float s : sound.samples) {
        sum += s;
        peak = std::max(peak, static_cast<double>(std::fabs(s)));
    }
    EXPECT_NEAR(sum / sound.frames(), 0.0, 1e-4);
    EXPECT_NEAR(peak, 0.8, 1e-5);
    EXPECT_NEAR(sound.samples.front(), 0.0, 1e-3);
    EXPECT_NEAR(sound.samples.back(), 0.0, 1e-3);
}

TEST(Instruments, PluckedStringAndBassSoundAtTheirPitch) {
    Rng rng(5);
    for (double hz : {110.0, 220.0, 440.0, 880.0}) {
        EXPECT_NEAR(measured_hz(pluck(hz, 1.0, 0.2, 1.0f, 44100, rng), 44100, hz) / hz, 1.0, 0.004)
            << hz;
        Mono bass = render_note(Instrument::warm_bass, hz, 0.6, 1.0f, 44100, rng);
        EXPECT_NEAR(measured_hz(bass, 44100, hz) / hz, 1.0, 0.004) << hz;
    }
    EXPECT_NEAR(midi_hz(69), 440.0, 1e-9);
    EXPECT_NEAR(midi_hz(57), 220.0, 1e-9);
}

TEST(Composer, NotesStayInTheModeAndInsideTheLoop) {
    MusicStyle style = small_style();
    Score score = compose(style, 44100);
    EXPECT_NEAR(score.length, loop_seconds(style, 44100), 1e-9);
    EXPECT_NEAR(score.length * 44100, std::round(score.length * 44100), 1e-6)
        << "the loop must be a whole number of samples";
    ASSERT_FALSE(score.notes.empty());
    ASSERT_FALSE(score.hits.empty());
    for (const Note& n : score.notes) {
        int pitch_class = ((n.pitch - style.root) % 12 + 12) % 12;
        EXPECT_NE(std::find(style.mode.begin(), style.mode.end(), pitch_class), style.mode.end())
            << "note " << n.pitch << " is outside the mode";
        EXPECT_GE(n.pitch, 28);
        EXPECT_LE(n.pitch, 100);
        EXPECT_GE(n.start, 0);
        EXPECT_LT(n.start, score.length);
        EXPECT_GT(n.length, 0);
    }
    for (const Hit& h : score.hits) EXPECT_LT(h.start, score.length);
    // The same style composes the same notes.
    Score again = compose(style, 44100);
    ASSERT_EQ(again.notes.size(), score.notes.size());
    for (std::size_t i = 0; i < score.notes.size(); ++i)
        EXPECT_EQ(again.notes[i].pitch, score.notes[i].pitch);
}

TEST(LoopedSound, NotesAndEchoesRingOnAcrossTheSeam) {
    // A note starting just before the end comes back at the start.
    AudioBuffer loop(44100, 2, 1000);
    Mono ramp(100, 1.0f);
    mix_into(loop, 950, ramp, 1.0f, 0, true);
    EXPECT_GT(loop.at(10, 0), 0.5f);
    EXPECT_EQ(loop.at(60, 0), 0.0f);
    AudioBuffer once(44100, 2, 1000);
    mix_into(once, 950, ramp, 1.0f, 0, false);
    EXPECT_EQ(once.at(10, 0), 0.0f);

    // The hall's answer to a looped performance joins at the seam.
    MusicStyle style = small_style();
    AudioBuffer music = perform(compose(style, 44100), style, 44100, true);
    std::size_t n = music.frames();
    std::vector<double> steps;
    for (std::size_t i = 1; i < n; ++i)
        steps.push_back(std::fabs(music.at(i, 0) - music.at(i - 1, 0)));
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
    EXPECT_LE(std::fabs(music.at(0, 0) - music.at(n - 1, 0)), steps[steps.size() * 99 / 100]);
    EXPECT_GT(std::fabs(music.at(0, 0)) + std::fabs(music.at(1, 0)), 0.0) << "silence at the seam";
}
