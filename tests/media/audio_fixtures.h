// Test helpers for sound: WAV clips written on the fly, raw mixer output, environment.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ferlow::media::test {

// The format of the game's sounds, which the player's stream takes as it is.
inline constexpr int kRate = 22050;

struct Frame {
    std::int16_t sample = 0;
    bool operator==(const Frame&) const = default;
    bool silent() const { return sample == 0; }
};
using Clip = std::vector<Frame>;

// A DC-free square wave that is never zero, so a clip's first frame is
// recognisable in the output.
Clip squareClip(std::size_t frames, std::int16_t amplitude, std::size_t halfPeriod);

std::chrono::microseconds lengthOf(const Clip& clip);

// 16-bit PCM mono at kRate.
void writeWav(const std::string& path, const Clip& clip);

// The disk driver's raw output (S16 little-endian mono).
Clip readRawOutput(const std::string& path);

// First non-silent frame at or after `from`, if any.
std::optional<std::size_t> firstSound(const Clip& out, std::size_t from);
// Last non-silent frame, if any.
std::optional<std::size_t> lastSound(const Clip& out);
// How many frames of `out` from `at` on equal `clip` from its start.
std::size_t matchingFrames(const Clip& out, std::size_t at, const Clip& clip);

// Whether SDL_mixer's output stream is open. SDL_mixer's channel calls must
// not be made while it is closed (its channels are freed then).
bool streamOpen();
// Blocks until the player has closed its output stream, up to `limit`.
bool waitUntilStreamClosed(std::chrono::microseconds limit);

// Blocks until SDL_mixer has no channel playing (or its stream is closed), up to `limit`.
bool waitUntilMixerIdle(std::chrono::milliseconds limit);
// Blocks until at least `channels` SDL_mixer channels are playing, up to `limit`.
bool waitUntilPlaying(int channels, std::chrono::milliseconds limit);

// Stops (or restarts) the open SDL audio device, as when a sound card
// stops taking samples: the mixer is no longer called and no clip ends.
void stallAudioDevice(bool stalled);

// Allowance for the scheduler on a loaded machine (sanitizers, two cores
// shared with parallel builds) when checking an upper time bound.
inline constexpr std::chrono::milliseconds kSchedulingSlack{100};

// Sets (or unsets, with nullopt) an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace ferlow::media::test
