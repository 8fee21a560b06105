// A small additive synthesiser: notes made of sine partials with envelopes,
// filtered noise bursts, and the finishing pass every clip goes through.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace media::synth {

constexpr int kSampleRate = 22050;

// One sine component of a note, relative to the note's pitch and loudness.
struct Partial {
    double ratio = 1.0;
    double gain = 1.0;
    double decayScale = 1.0;  // multiplies the note's decay time; bright overtones die sooner
};

struct Note {
    double start = 0.0;   // seconds from the clip start
    double freq = 440.0;  // Hz
    double gain = 1.0;
    double attack = 0.005;       // seconds of rise (raised sine)
    double decay = 0.0;          // exponential time constant in seconds; 0 holds steady
    double hold = 0.2;           // seconds before the release begins
    double release = 0.05;       // seconds of fall to silence
    double bendSemitones = 0.0;  // pitch glide reached after bendTime
    double bendTime = 0.0;
    double vibratoHz = 0.0;
    double vibratoSemitones = 0.0;
    std::vector<Partial> partials{{1.0, 1.0, 1.0}};
};

struct NoiseBurst {
    double start = 0.0;
    double gain = 1.0;
    double attack = 0.001;
    double decay = 0.01;     // exponential time constant
    double length = 0.05;    // seconds rendered
    double lowCutHz = 0.0;   // one-pole high-pass corner; 0 leaves the lows in
    double highCutHz = 0.0;  // one-pole low-pass corner; 0 leaves the highs in
    std::uint32_t seed = 1;
};

// Twelve-tone equal temperament, A4 = 440 Hz, MIDI numbering (60 = middle C).
double midiToHz(double midiNote);

class Track {
public:
    explicit Track(double seconds);

    void addNote(const Note& note);
    void addNoise(const NoiseBurst& burst);
    void add(std::size_t index, double value);

    std::size_t size() const { return data_.size(); }
    double seconds() const;
    std::span<const double> samples() const { return data_; }

    // Scales the loudest sample to peakDb (dBFS) and shapes both ends into
    // raised-cosine fades, so the clip starts and stops at exactly zero.
    void finish(double peakDb, double fadeInSeconds, double fadeOutSeconds);

private:
    std::vector<double> data_;
};

}  // namespace media::synth
