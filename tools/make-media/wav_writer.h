// Encodes 16-bit mono PCM as a RIFF WAVE file image, with no audio library.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace media {

// Converts samples in [-1, 1] to 16-bit PCM, rounding to nearest and clamping
// anything outside the range instead of letting it wrap around.
std::vector<std::int16_t> toPcm16(std::span<const double> samples);

// The complete bytes of a canonical 44-byte-header PCM WAVE file.
std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> pcm, int sampleRate);

}  // namespace media
