// RIFF WAVE encoding of 16-bit mono PCM; every field little-endian as the format demands.
#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace media {
namespace {

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xffu));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xffu));
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

std::vector<std::int16_t> toPcm16(std::span<const double> samples)
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples) {
        // NaN would be undefined behaviour in the conversion; treat it as silence.
        const double v = std::isnan(s) ? 0.0 : std::clamp(s, -1.0, 1.0);
        pcm.push_back(static_cast<std::int16_t>(std::lround(v * 32767.0)));
    }
    return pcm;
}

std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> pcm, int sampleRate)
{
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bitsPerSample = 16;
    constexpr std::uint16_t blockAlign = channels * bitsPerSample / 8;
    constexpr std::uint32_t headerBytes = 44;

    if (sampleRate <= 0) throw std::invalid_argument("sample rate must be positive");
    // The RIFF size fields are 32-bit; refuse what they cannot describe.
    if (pcm.size() > (0xffffffffull - headerBytes) / blockAlign)
        throw std::length_error("too many samples for a WAVE file");

    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * blockAlign);
    std::vector<std::uint8_t> out;
    out.reserve(headerBytes + dataBytes);

    putTag(out, "RIFF");
    put32(out, headerBytes - 8 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);  // size of the PCM format chunk
    put16(out, 1);   // WAVE_FORMAT_PCM
    put16(out, channels);
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, bitsPerSample);
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : pcm) put16(out, static_cast<std::uint16_t>(s));
    return out;
}

}  // namespace media
