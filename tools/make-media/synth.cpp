// Rendering of notes and noise into a Track, and the final level and fades.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace media::synth {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Sine-squared rise from 0 to 1 over x in [0, 1].
double smoothRise(double x)
{
    const double s = std::sin(0.5 * std::numbers::pi * std::clamp(x, 0.0, 1.0));
    return s * s;
}

std::size_t toIndex(double seconds)
{
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * kSampleRate)));
}

// xorshift32: the same noise on every platform, unlike <random> distributions.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483647.5 - 1.0;
    }

private:
    std::uint32_t state_;
};

// Coefficient of a one-pole low-pass with the given corner frequency.
double onePole(double cornerHz) { return 1.0 - std::exp(-kTwoPi * cornerHz / kSampleRate); }

}  // namespace

double midiToHz(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

Track::Track(double seconds) : data_(toIndex(seconds), 0.0) {}

double Track::seconds() const { return static_cast<double>(data_.size()) / kSampleRate; }

void Track::add(std::size_t index, double value)
{
    if (index < data_.size()) data_[index] += value;
}

void Track::addNote(const Note& note)
{
    const std::size_t first = toIndex(note.start);
    const std::size_t count = toIndex(note.hold + note.release);
    const double nyquistGuard = 0.45 * kSampleRate;
    std::vector<double> phase(note.partials.size(), 0.0);

    for (std::size_t i = 0; i < count && first + i < data_.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;

        double semis = 0.0;
        if (note.bendSemitones != 0.0)
            semis += note.bendSemitones * (note.bendTime > 0.0 ? std::min(1.0, t / note.bendTime) : 1.0);
        if (note.vibratoHz > 0.0)  // vibrato eases in, as a player's would
            semis += note.vibratoSemitones * std::sin(kTwoPi * note.vibratoHz * t) * smoothRise(t / 0.15);
        const double freq = note.freq * std::pow(2.0, semis / 12.0);

        double env = note.gain;
        if (note.attack > 0.0) env *= smoothRise(t / note.attack);
        if (t > note.hold) env *= 1.0 - smoothRise((t - note.hold) / std::max(note.release, 1e-6));

        double sum = 0.0;
        for (std::size_t p = 0; p < note.partials.size(); ++p) {
            const Partial& partial = note.partials[p];
            const double f = freq * partial.ratio;
            phase[p] += kTwoPi * f / kSampleRate;
            if (f >= nyquistGuard) continue;  // would alias into a harsh low whistle
            double amp = partial.gain;
            if (note.decay > 0.0) amp *= std::exp(-t / (note.decay * partial.decayScale));
            sum += amp * std::sin(phase[p]);
        }
        data_[first + i] += env * sum;
    }
}

void Track::addNoise(const NoiseBurst& burst)
{
    NoiseSource noise(burst.seed);
    const std::size_t first = toIndex(burst.start);
    const std::size_t count = toIndex(burst.length);
    const double lowA = burst.highCutHz > 0.0 ? onePole(burst.highCutHz) : 1.0;
    const double highA = burst.lowCutHz > 0.0 ? onePole(burst.lowCutHz) : 0.0;
    double lowState = 0.0;
    double bassState = 0.0;

    for (std::size_t i = 0; i < count && first + i < data_.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        lowState += lowA * (noise.next() - lowState);
        bassState += highA * (lowState - bassState);
        const double filtered = lowState - bassState;
        double env = burst.gain * std::exp(-t / std::max(burst.decay, 1e-6));
        if (burst.attack > 0.0) env *= smoothRise(t / burst.attack);
        data_[first + i] += env * filtered;
    }
}

void Track::finish(double peakDb, double fadeInSeconds, double fadeOutSeconds)
{
    if (data_.empty()) return;
    const auto fade = [this](std::size_t length, bool atStart) {
        length = std::min(length, data_.size());
        if (length < 2) {
            (atStart ? data_.front() : data_.back()) = 0.0;
            return;
        }
        for (std::size_t k = 0; k < length; ++k) {
            const double gain = smoothRise(static_cast<double>(k) / static_cast<double>(length - 1));
            data_[atStart ? k : data_.size() - 1 - k] *= gain;
        }
    };
    fade(toIndex(fadeInSeconds), true);
    fade(toIndex(fadeOutSeconds), false);

    // Level last, so the fades cannot leave the loudest moment below target.
    double peak = 0.0;
    for (double s : data_) peak = std::max(peak, std::abs(s));
    if (peak > 0.0) {
        const double scale = std::pow(10.0, peakDb / 20.0) / peak;
        for (double& s : data_) s *= scale;
    }
}

}  // namespace media::synth
