// The music of the game: each character's loop and the select screen's.
#include "tools/artgen/music.h"

#include "tools/artgen/characters.h"
#include "tools/artgen/drums.h"
#include "tools/artgen/generators.h"
#include "tools/artgen/instruments.h"
#include "tools/artgen/ogg_out.h"
#include "tools/artgen/reverb.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int rate = 44100;

// Loudest sample of the music before encoding; Vorbis may overshoot a little
// on decoding, and the game's mixer adds the effects on top.
constexpr float music_peak = 0.62f;
// Every tune is brought to the same loudness, so that no character's music is
// much quieter than another's.
constexpr double music_rms = 0.12;

// Brings the mix to the common loudness; the few peaks above `knee` are
// rounded off smoothly instead of setting the level of the whole tune.
void level_music(AudioBuffer& music) {
    double sum = 0;
    for (float v : music.samples) sum += static_cast<double>(v) * v;
    double rms = std::sqrt(sum / static_cast<double>(music.samples.size()));
    if (rms <= 0) return;
    const double gain = music_rms / rms, knee = 0.42, room = music_peak - knee;
    for (float& v : music.samples) {
        double x = v * gain, a = std::fabs(x);
        if (a > knee) a = knee + room * std::tanh((a - knee) / room);
        v = static_cast<float>(x < 0 ? -a : a);
    }
}

float level(Instrument i) {
    switch (i) {
    case Instrument::strings:
    case Instrument::choir:
        return 0.16f;
    case Instrument::organ:
        return 0.12f;
    case Instrument::warm_bass:
    case Instrument::pluck_bass:
        return 0.5f;
    case Instrument::harp:
    case Instrument::marimba:
        return 0.3f;
    case Instrument::bell:
        return 0.22f;
    default:
        return 0.32f;
    }
}

float send(Instrument i) {
    return i == Instrument::warm_bass || i == Instrument::pluck_bass ? 0.15f : 1.0f;
}

} // namespace

AudioBuffer perform(const Score& score, const MusicStyle& style, int sample_rate, bool loop) {
    auto frames = static_cast<std::size_t>(std::llround(score.length * sample_rate));
    AudioBuffer dry(sample_rate, 2, frames), hall(sample_rate, 2, frames);
    Rng rng(style.seed * 7919u + 1);
    for (const Note& n : score.notes) {
        Mono sound =
            render_note(n.instrument, midi_hz(n.pitch), n.length, n.velocity, sample_rate, rng);
        long start = std::lround(n.start * sample_rate);
        // Parts that double the lead's role in lower registers stand apart by pan.
        mix_into(dry, start, sound, level(n.instrument), n.pan, loop);
        mix_into(hall, start, sound, level(n.instrument) * send(n.instrument), n.pan, loop);
    }
    for (const Hit& h : score.hits) {
        Mono sound = render_drum(h.drum, h.velocity, sample_rate, rng);
        long start = std::lround(h.start * sample_rate);
        mix_into(dry, start, sound, 0.55f, h.pan, loop);
        mix_into(hall, start, sound, 0.12f, h.pan, loop);
    }
    AudioBuffer wet = reverberate(hall, 0.8, 0.35, loop);
    for (std::size_t i = 0; i < dry.samples.size(); ++i)
        dry.samples[i] += static_cast<float>(style.reverb) * 3.0f * wet.samples[i];
    level_music(dry);
    float loudest = 0;
    for (float v : dry.samples) loudest = std::max(loudest, std::fabs(v));
    finish_sound(dry, std::min(loudest, music_peak), !loop);
    return dry;
}

void make_character_music(const Character& ch, const std::string& dir) {
    AudioBuffer music = perform(compose(ch.music, rate), ch.music, rate, true);
    write_ogg(dir + "/music" + std::to_string(ch.id) + ".ogg", music, 0.3f, 7000 + ch.id,
              ch.name + " " + ch.epithet);
}

void make_select_music(const std::string& dir) {
    MusicStyle style{53,
                     modes::lydian,
                     88,
                     4,
                     2,
                     16,
                     {0, 0, 1, 1, 5, 5, 4, 4},
                     Instrument::bell,
                     Instrument::flute,
                     Instrument::strings,
                     Instrument::warm_bass,
                     Instrument::harp,
                     Drums::none,
                     0.0,
                     0.35,
                     1701};
    AudioBuffer music = perform(compose(style, rate), style, rate, true);
    write_ogg(dir + "/select.ogg", music, 0.3f, 7001, "Choose your rune-caster");
}
