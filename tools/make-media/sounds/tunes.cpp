// The little tunes: losing "wah-wah", small and big win, and the opening jingle.
#include "sounds/sounds.h"

#include <cmath>
#include <numbers>

namespace media::sounds {

using synth::midiToHz;
using synth::Note;
using synth::Partial;
using synth::Track;

namespace {

// Warm mallet (vibraphone-like bar): the 4th and 10th overtones of a tuned bar.
const std::vector<Partial> kMallet{{1.0, 1.0, 1.0}, {2.0, 0.12, 0.5}, {4.0, 0.22, 0.3}, {10.0, 0.04, 0.12}};
// Brassy: many harmonics, falling off gently.
const std::vector<Partial> kBrass{{1.0, 1.0, 1.0},  {2.0, 0.62, 1.0}, {3.0, 0.42, 1.0},
                                  {4.0, 0.26, 1.0}, {5.0, 0.15, 1.0}, {6.0, 0.08, 1.0}};
const std::vector<Partial> kBell{{1.0, 1.0, 1.0}, {2.0, 0.3, 0.6}, {3.0, 0.12, 0.4}, {4.07, 0.07, 0.25}};

// A muted-trumpet tone whose brightness opens and closes like a plunger mute:
// the "wah". Rendered directly because the overtone balance moves in time.
void addWah(Track& track, double start, double midi, double length, double bendSemitones)
{
    constexpr double sr = synth::kSampleRate;
    constexpr double kTwoPi = 2.0 * std::numbers::pi;
    const auto first = static_cast<std::size_t>(std::lround(start * sr));
    const auto count = static_cast<std::size_t>(std::lround(length * sr));
    const double base = midiToHz(midi);
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double x = t / length;
        // Bend only in the last half, with a slow vibrato: the sigh at the end.
        const double bend = bendSemitones * std::max(0.0, (x - 0.45) / 0.55);
        const double vib = 0.12 * std::sin(kTwoPi * 5.0 * t) * std::min(1.0, t / 0.2);
        const double freq = base * std::pow(2.0, (bend + vib) / 12.0);
        phase += kTwoPi * freq / sr;

        const double open = std::sin(std::numbers::pi * std::min(1.0, x / 0.85));  // 0 -> 1 -> 0
        const double rolloff = 0.9 + 3.2 * open;
        double sum = 0.0;
        for (int n = 1; n <= 12 && n * freq < 0.45 * sr; ++n)
            sum += std::exp(-(n - 1) / rolloff) / n * std::sin(n * phase);
        const double attack = std::min(1.0, t / 0.025);
        const double release = std::min(1.0, (length - t) / 0.06);
        track.add(first + i, (0.35 + 0.65 * open) * attack * release * sum);
    }
}

}  // namespace

Track lost()
{
    Track track(0.92);
    addWah(track, 0.00, 55, 0.26, 0.0);   // G3
    addWah(track, 0.27, 54, 0.26, 0.0);   // F#3
    addWah(track, 0.54, 53, 0.37, -0.8);  // F3, sinking
    // Held, buzzy tones sound louder than plucked ones at the same peak.
    track.finish(-8.5, 0.003, 0.02);
    return track;
}

Track smallWin()
{
    Track track(0.7);
    // E5 - G5 - C6: a rising major arpeggio, the last note left to ring.
    const double at[] = {0.0, 0.1, 0.2};
    const int pitch[] = {76, 79, 84};
    for (int i = 0; i < 3; ++i) {
        const bool last = i == 2;
        track.addNote({.start = at[i],
                       .freq = midiToHz(pitch[i]),
                       .gain = last ? 1.0 : 0.8,
                       .attack = 0.003,
                       .decay = last ? 0.22 : 0.16,
                       .hold = last ? 0.44 : 0.3,
                       .release = 0.05,
                       .partials = kMallet});
    }
    // A soft octave below the top note fills out the ending.
    track.addNote({.start = 0.2,
                   .freq = midiToHz(72),
                   .gain = 0.35,
                   .attack = 0.01,
                   .decay = 0.25,
                   .hold = 0.42,
                   .release = 0.06});
    track.finish(-3.5, 0.002, 0.02);
    return track;
}

Track bigWin()
{
    Track track(1.62);
    // Fanfare: C5 E5 G5 C6 tongued quickly, then a held chord that shimmers
    // (each chord note is a slightly detuned pair, so it beats gently).
    const int run[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i)
        track.addNote({.start = 0.085 * i,
                       .freq = midiToHz(run[i]),
                       .gain = 0.55,
                       .attack = 0.012,
                       .decay = 0.25,
                       .hold = 0.1,
                       .release = 0.04,
                       .partials = kBrass});

    const double chordAt = 0.38;
    for (int midi : {72, 76, 79, 84, 88}) {
        for (double cents : {-5.0, 5.0}) {
            track.addNote({.start = chordAt,
                           .freq = midiToHz(midi + cents / 100.0),
                           .gain = 0.22,
                           .attack = 0.025,
                           .decay = 0.9,
                           .hold = 1.02,
                           .release = 0.18,
                           .vibratoHz = 5.5,
                           .vibratoSemitones = 0.06,
                           .partials = kBrass});
        }
    }
    track.addNote({.start = chordAt,
                   .freq = midiToHz(48),
                   .gain = 0.45,
                   .attack = 0.004,
                   .decay = 0.3,
                   .hold = 0.9,
                   .release = 0.1,
                   .partials = {{1.0, 1.0, 1.0}, {2.0, 0.3, 0.5}}});

    // Sparkles over the chord, high in the same key.
    const double sparkleAt[] = {0.42, 0.55, 0.66, 0.79, 0.9, 1.03, 1.15};
    const int sparkleNote[] = {96, 103, 100, 108, 103, 100, 96};
    for (int i = 0; i < 7; ++i)
        track.addNote({.start = sparkleAt[i],
                       .freq = midiToHz(sparkleNote[i]),
                       .gain = 0.16 - 0.012 * i,
                       .attack = 0.001,
                       .decay = 0.07,
                       .hold = 0.3,
                       .release = 0.05,
                       .partials = kBell});
    track.finish(-3.5, 0.003, 0.03);
    return track;
}

Track opening()
{
    Track track(1.8);
    // A bouncy pentatonic phrase on mallets over a walking bass, landing on a
    // bell chord: E5 G5 A5 G5 . E5 G5 | C6.
    struct Step {
        double at;
        int midi;
    };
    const Step melody[] = {{0.0, 76}, {0.12, 79}, {0.24, 81}, {0.36, 79}, {0.54, 76}, {0.66, 79}};
    for (const Step& s : melody)
        track.addNote({.start = s.at,
                       .freq = midiToHz(s.midi),
                       .gain = 0.8,
                       .attack = 0.003,
                       .decay = 0.2,
                       .hold = 0.34,
                       .release = 0.05,
                       .partials = kMallet});

    const Step bass[] = {{0.0, 48}, {0.36, 43}, {0.84, 48}};
    for (const Step& s : bass)
        track.addNote({.start = s.at,
                       .freq = midiToHz(s.midi),
                       .gain = 0.5,
                       .attack = 0.006,
                       .decay = 0.28,
                       .hold = s.at < 0.8 ? 0.4 : 0.85,
                       .release = 0.08,
                       .partials = {{1.0, 1.0, 1.0}, {2.0, 0.35, 0.6}, {3.0, 0.12, 0.4}}});

    const double finalAt = 0.84;
    track.addNote({.start = finalAt,
                   .freq = midiToHz(84),
                   .gain = 0.9,
                   .attack = 0.002,
                   .decay = 0.45,
                   .hold = 0.8,
                   .release = 0.14,
                   .partials = kBell});
    for (int midi : {72, 76, 79})
        for (double cents : {-4.0, 4.0})
            track.addNote({.start = finalAt,
                           .freq = midiToHz(midi + cents / 100.0),
                           .gain = 0.16,
                           .attack = 0.02,
                           .decay = 0.6,
                           .hold = 0.8,
                           .release = 0.14,
                           .vibratoHz = 5.0,
                           .vibratoSemitones = 0.05,
                           .partials = kMallet});
    track.finish(-3.5, 0.003, 0.03);
    return track;
}

}  // namespace media::sounds
