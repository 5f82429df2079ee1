// A character's music as a handful of choices: key, mode, tempo, metre,
// chords and instruments. The composer turns them into notes.
#pragma once

#include <array>
#include <vector>

enum class Instrument {
    harp,      // plucked string
    bell,      // struck metal, FM
    marimba,   // struck wood
    flute,     // breathy sine with vibrato
    chip,      // soft square lead
    fiddle,    // bowed saw with vibrato
    organ,     // drawbar sines
    strings,   // slow detuned-saw pad
    choir,     // soft vowel pad
    warm_bass, // round sine-triangle bass
    pluck_bass // plucked low string
};

enum class Drums { none, soft, driving, jig, march };

struct MusicStyle {
    int root;                // MIDI note of the tonic (60 = middle C)
    std::array<int, 7> mode; // semitones of the seven scale degrees
    double bpm;              // beats per minute
    int beats_per_bar;       // 2 (with 3 steps: a jig), 3 or 4
    int steps_per_beat;      // 2 (straight eighths) or 3 (triplet feel) or 4
    int bars;                // bars in the loop (a multiple of 8)
    std::vector<int> chords; // scale degree of each bar's chord, repeating
    Instrument lead, counter, pad, bass, arp;
    Drums drums;
    double swing;  // 0 straight .. 0.3 lilting off-beats
    double reverb; // wet level of the hall
    unsigned seed;
};

namespace modes {
inline constexpr std::array<int, 7> ionian = {0, 2, 4, 5, 7, 9, 11};
inline constexpr std::array<int, 7> dorian = {0, 2, 3, 5, 7, 9, 10};
inline constexpr std::array<int, 7> phrygian = {0, 1, 3, 5, 7, 8, 10};
inline constexpr std::array<int, 7> lydian = {0, 2, 4, 6, 7, 9, 11};
inline constexpr std::array<int, 7> mixolydian = {0, 2, 4, 5, 7, 9, 10};
inline constexpr std::array<int, 7> aeolian = {0, 2, 3, 5, 7, 8, 10};
inline constexpr std::array<int, 7> harmonic_minor = {0, 2, 3, 5, 7, 8, 11};
} // namespace modes

struct Note {
    double start;   // seconds from the loop start
    double length;  // seconds
    int pitch;      // MIDI note
    float velocity; // 0..1
    float pan;      // -1 left .. 1 right
    Instrument instrument;
};

struct Hit {
    double start;
    int drum; // 0 kick, 1 snare, 2 hat, 3 frame drum, 4 shaker
    float velocity;
    float pan;
};

struct Score {
    double length; // seconds; the loop's exact length
    std::vector<Note> notes;
    std::vector<Hit> hits;
};

// Seconds per step, rounded so that the loop is a whole number of samples.
double step_seconds(const MusicStyle& style, int rate);
double loop_seconds(const MusicStyle& style, int rate);

Score compose(const MusicStyle& style, int rate);
