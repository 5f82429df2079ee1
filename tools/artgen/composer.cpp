#include "tools/artgen/composer.h"

#include "tools/artgen/drums.h"
#include "tools/artgen/rng.h"

#include <algorithm>
#include <cmath>

double step_seconds(const MusicStyle& style, int rate) {
    double exact = 60.0 / style.bpm / style.steps_per_beat;
    return std::round(exact * rate) / rate;
}

double loop_seconds(const MusicStyle& style, int rate) {
    return step_seconds(style, rate) * style.steps_per_beat * style.beats_per_bar * style.bars;
}

namespace {

// A phrase of two bars: onsets in steps, lengths in steps, and pitches as
// scale steps above the bar's chord root.
struct Motif {
    struct Event {
        int step, length, degree;
    };
    std::vector<Event> events;
};

class Composer {
  public:
    Composer(const MusicStyle& style, int rate)
        : s_(style), rng_(style.seed), step_(step_seconds(style, rate)),
          bar_steps_(style.beats_per_bar * style.steps_per_beat) {}

    Score run() {
        Score score;
        score.length = step_ * bar_steps_ * s_.bars;
        int sections = s_.bars / 8;
        Motif a = motif(), b = motif(), c = motif();
        for (int sec = 0; sec < sections; ++sec) {
            int energy = sec == 0 ? 1 : sec == sections - 1 ? 2 : (sec % 2 ? 3 : 2);
            for (int bar = sec * 8; bar < sec * 8 + 8; ++bar) {
                pad(score, bar);
                bass(score, bar, energy);
                arp(score, bar, energy);
                drums(score, bar, energy);
                if (energy >= 3 || (energy == 2 && sec == sections - 1)) counter(score, bar);
            }
            // Eight bars of tune: a a' b cadence, with the middle sections
            // trading the first phrase for a third.
            const Motif& first = sec % 2 ? c : a;
            phrase(score, sec * 8 + 0, first, energy, 0);
            phrase(score, sec * 8 + 2, first, energy, 1);
            phrase(score, sec * 8 + 4, b, energy, 0);
            cadence(score, sec * 8 + 6, energy);
        }
        return score;
    }

  private:
    int chord(int bar) const { return s_.chords[static_cast<std::size_t>(bar) % s_.chords.size()]; }
    // The chord's root taken an octave down when it sits high in the scale,
    // so tunes built on it stay within a comfortable range.
    int low_chord(int bar) const {
        int c = chord(bar);
        return c >= 4 ? c - 7 : c;
    }

    int pitch(int degree, int octave_base) const {
        int octave = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
        int within = degree - octave * 7;
        return octave_base + 12 * octave + s_.mode[static_cast<std::size_t>(within)];
    }

    double at(int bar, int step) const { return (bar * bar_steps_ + step) * step_; }

    void note(Score& score, int bar, int step, int length, int midi, float velocity, float pan,
              Instrument instrument) {
        score.notes.push_back({at(bar, step), length * step_, midi, velocity, pan, instrument});
    }

    // Rhythms of one beat (or two), in steps.
    std::vector<std::vector<int>> rhythms() const {
        switch (s_.steps_per_beat) {
        case 2:
            return {{2}, {1, 1}, {1, 1}, {4}, {3, 1}};
        case 3:
            return {{3}, {2, 1}, {2, 1}, {1, 1, 1}, {6}};
        default:
            return {{4}, {2, 2}, {2, 2}, {3, 1}, {1, 1, 2}, {2, 1, 1}, {8}};
        }
    }

    Motif motif() {
        Motif m;
        int total = bar_steps_ * 2;
        int degree = rng_.below(0, 2) * 2, last = degree - 1, repeats = 0;
        std::vector<std::vector<int>> cells = rhythms();
        int step = 0;
        while (step < total) {
            const std::vector<int>& cell =
                cells[static_cast<std::size_t>(rng_.below(0, static_cast<int>(cells.size()) - 1))];
            for (int length : cell) {
                if (step >= total) break;
                // Walk by small steps, seldom staying put, within about an octave.
                int move = rng_.below(-2, 2);
                if (move == 0 && (repeats > 0 || rng_.chance(0.6)))
                    move = rng_.chance(0.5) ? 1 : -1;
                degree += move;
                if (degree > 8) degree -= 3;
                if (degree < -2) degree += 3;
                // Beats land on the chord: root, third or fifth.
                if (step % s_.steps_per_beat == 0) {
                    int within = ((degree % 7) + 7) % 7;
                    if (within == 1 || within == 3) degree += rng_.chance(0.5) ? 1 : -1;
                    if (within == 5) degree -= 1;
                    if (within == 6) degree += 1;
                }
                repeats = degree == last ? repeats + 1 : 0;
                last = degree;
                int held = std::min(length, total - step);
                if (step == 0 || !rng_.chance(0.1)) m.events.push_back({step, held, degree});
                step += length;
            }
        }
        return m;
    }

    void phrase(Score& score, int bar, const Motif& m, int energy, int shift) {
        if (bar >= s_.bars) return;
        for (const Motif::Event& e : m.events) {
            int b = bar + e.step / bar_steps_, step = e.step % bar_steps_;
            if (energy == 1 && step % s_.steps_per_beat != 0) continue; // sparse intro
            int degree = low_chord(b) + e.degree + (shift && e.step >= bar_steps_ ? 1 : 0);
            float velocity = static_cast<float>(0.62 + 0.18 * rng_.real() + (step == 0 ? 0.1 : 0));
            note(score, b, step, e.length, pitch(degree, s_.root + 12), velocity, 0.1f, s_.lead);
        }
    }

    void cadence(Score& score, int bar, int energy) {
        // A turn of three notes, then the chord's root held to the end of the phrase.
        int c = low_chord(bar);
        int half = bar_steps_ / 2;
        int degrees[3] = {c + 4, c + 2, c + 1};
        int turn = std::max(1, half / 3);
        for (int i = 0; i < 3; ++i)
            note(score, bar, i * turn, turn, pitch(degrees[i], s_.root + 12), 0.6f, 0.1f, s_.lead);
        int last = low_chord(bar + 1);
        note(score, bar, half, half + bar_steps_ - (energy == 1 ? s_.steps_per_beat : 0),
             pitch(last + (rng_.chance(0.5) ? 0 : 2), s_.root + 12), 0.7f, 0.1f, s_.lead);
    }

    void pad(Score& score, int bar) {
        int c = chord(bar);
        const int voicing[3] = {0, 2, 4};
        const float pans[3] = {-0.45f, 0.0f, 0.45f};
        for (int i = 0; i < 3; ++i)
            note(score, bar, 0, bar_steps_, pitch(c + voicing[i], s_.root), 0.5f, pans[i], s_.pad);
    }

    void bass(Score& score, int bar, int energy) {
        int c = chord(bar);
        int base = s_.root - 12 >= 40 ? s_.root - 24 : s_.root - 12;
        int beat = s_.steps_per_beat;
        if (energy == 1 || s_.drums == Drums::none || s_.drums == Drums::soft) {
            note(score, bar, 0, bar_steps_ - beat, pitch(c, base), 0.8f, 0, s_.bass);
            note(score, bar, bar_steps_ - beat, beat, pitch(c + (rng_.chance(0.5) ? 4 : 2), base),
                 0.6f, 0, s_.bass);
            return;
        }
        for (int b = 0; b < s_.beats_per_bar; ++b) {
            int degree = b % 2 ? c + 4 : c;
            if (s_.drums == Drums::driving) {
                note(score, bar, b * beat, beat / 2, pitch(degree, base), 0.85f, 0, s_.bass);
                note(score, bar, b * beat + beat / 2, beat / 2, pitch(c, base + 12), 0.5f, 0,
                     s_.bass);
            } else {
                note(score, bar, b * beat, beat, pitch(degree, base), b == 0 ? 0.9f : 0.7f, 0,
                     s_.bass);
            }
        }
    }

    void arp(Score& score, int bar, int energy) {
        int c = low_chord(bar);
        const int up[] = {0, 2, 4, 7, 9, 11, 9, 7, 4, 2, 0, 2, 4, 7, 4, 2};
        int every = energy == 1 ? 2 : 1;
        for (int step = 0; step < bar_steps_; step += every) {
            int degree = c + up[(step + bar * 3) % 16];
            float pan = static_cast<float>(0.5 * std::sin(step * 0.9 + bar));
            note(score, bar, step, 1, pitch(degree, s_.root),
                 step % s_.steps_per_beat ? 0.35f : 0.48f, pan, s_.arp);
        }
    }

    void counter(Score& score, int bar) {
        int c = low_chord(bar);
        int beat = s_.steps_per_beat;
        for (int b = 0; b < s_.beats_per_bar; b += (s_.beats_per_bar == 3 ? 3 : 2)) {
            int degree = c + (b == 0 ? 2 : 4) + (rng_.chance(0.3) ? 5 : 0);
            note(score, bar, b * beat, beat * (s_.beats_per_bar == 3 ? 3 : 2),
                 pitch(degree, s_.root), 0.5f, -0.35f, s_.counter);
        }
    }

    void hit(Score& score, int bar, int step, int drum, float velocity, float pan) {
        score.hits.push_back({at(bar, step), drum, velocity, pan});
    }

    void drums(Score& score, int bar, int energy) {
        int beat = s_.steps_per_beat;
        bool full = energy >= 3;
        switch (s_.drums) {
        case Drums::none:
            return;
        case Drums::soft:
            if (energy >= 2)
                for (int st = 0; st < bar_steps_; ++st)
                    if (st % 2) hit(score, bar, st, shaker, 0.35f, 0.3f);
            if (full) {
                hit(score, bar, 0, frame_drum, 0.7f, 0);
                hit(score, bar, 2 * beat, frame_drum, 0.5f, 0);
            }
            return;
        case Drums::march:
            if (energy < 2) return;
            for (int b = 0; b < s_.beats_per_bar; ++b) {
                hit(score, bar, b * beat, b % 2 ? snare : kick, b % 2 ? 0.55f : 0.8f, 0);
                if (full) hit(score, bar, b * beat + beat / 2, hat, 0.35f, 0.25f);
            }
            return;
        case Drums::jig:
            if (energy < 2) return;
            for (int st = 0; st < bar_steps_; ++st)
                hit(score, bar, st, frame_drum, st % 3 == 0 ? 0.75f : 0.35f, -0.1f);
            if (full) hit(score, bar, 0, kick, 0.6f, 0);
            return;
        case Drums::driving:
            if (energy < 2) return;
            for (int st = 0; st < bar_steps_; ++st)
                hit(score, bar, st, hat, st % 2 ? 0.25f : 0.4f, 0.3f);
            hit(score, bar, 0, kick, 0.85f, 0);
            hit(score, bar, 2 * beat + beat / 2, kick, 0.6f, 0);
            if (full) {
                hit(score, bar, beat, snare, 0.6f, 0);
                hit(score, bar, 3 * beat, snare, 0.6f, 0);
            }
            return;
        }
    }

    const MusicStyle& s_;
    Rng rng_;
    double step_;
    int bar_steps_;
};

} // namespace

Score compose(const MusicStyle& style, int rate) {
    return Composer(style, rate).run();
}
