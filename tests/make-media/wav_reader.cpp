// Test helper: strict WAVE parsing for checking what make-media writes.
#include "wav_reader.h"

#include <QFile>

namespace media_test {
namespace {

std::uint32_t le(const QByteArray& b, qsizetype at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b.at(at + i));
    return v;
}

std::optional<Wave> fail(QString* error, const QString& why)
{
    if (error) *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<Wave> parseWave(const QByteArray& b, QString* error)
{
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE")
        return fail(error, QStringLiteral("no RIFF/WAVE header"));
    if (le(b, 4, 4) != static_cast<std::uint32_t>(b.size() - 8))
        return fail(error, QStringLiteral("RIFF size %1 does not match file size %2").arg(le(b, 4, 4)).arg(b.size()));

    Wave wave;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const std::uint32_t size = le(b, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + static_cast<qsizetype>(size) > b.size())
            return fail(error, QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id)));
        if (id == "fmt ") {
            if (size != 16) return fail(error, QStringLiteral("fmt chunk of %1 bytes, PCM needs 16").arg(size));
            wave.format = static_cast<std::uint16_t>(le(b, body, 2));
            wave.channels = static_cast<std::uint16_t>(le(b, body + 2, 2));
            wave.sampleRate = le(b, body + 4, 4);
            wave.byteRate = le(b, body + 8, 4);
            wave.blockAlign = static_cast<std::uint16_t>(le(b, body + 12, 2));
            wave.bitsPerSample = static_cast<std::uint16_t>(le(b, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return fail(error, QStringLiteral("data chunk before fmt chunk"));
            if (size % 2 != 0) return fail(error, QStringLiteral("odd data size for 16-bit samples"));
            for (std::uint32_t i = 0; i < size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(le(b, body + i, 2)));
            if (body + static_cast<qsizetype>(size) != b.size())
                return fail(error, QStringLiteral("bytes after the data chunk"));
            return wave;
        }
        at = body + size + (size & 1u);
    }
    return fail(error, QStringLiteral("no data chunk"));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace media_test
