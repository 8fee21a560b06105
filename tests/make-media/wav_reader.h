// Test helper: reads a WAVE file chunk by chunk, the way a strict player would.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace media_test {

struct Wave {
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::int16_t> samples;
    double seconds() const { return sampleRate ? static_cast<double>(samples.size()) / sampleRate : 0.0; }
};

// Returns nothing, with the reason in *error, unless the bytes are a
// complete RIFF/WAVE file with a 16-byte fmt chunk before a data chunk and
// sizes that agree with the file's length.
std::optional<Wave> parseWave(const QByteArray& bytes, QString* error);

QByteArray readFile(const QString& path);

}  // namespace media_test
