// Atomic file output through QSaveFile, so an interrupted build never leaves
// a truncated picture or sound behind that later looks up to date.
#include "file_output.h"

#include <QImage>
#include <QSaveFile>

namespace media {
namespace {

bool fail(QSaveFile& file, QString* errorText)
{
    if (errorText)
        *errorText = file.errorString();
    file.cancelWriting();
    return false;
}

bool commit(QSaveFile& file, QString* errorText)
{
    if (file.commit())
        return true;
    if (errorText)
        *errorText = file.errorString();
    return false;
}

} // namespace

bool writeBytes(const QString& path, const std::vector<std::uint8_t>& bytes, QString* errorText)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file, errorText);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        return fail(file, errorText);
    return commit(file, errorText);
}

bool writeBmp(const QString& path, const QImage& image, QString* errorText)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file, errorText);
    // Without an alpha channel Qt writes a plain 24-bit BMP, which every
    // loader reads the same way.
    if (!image.convertToFormat(QImage::Format_RGB32).save(&file, "BMP")) {
        if (errorText)
            *errorText = QStringLiteral("BMP encoding failed");
        file.cancelWriting();
        return false;
    }
    return commit(file, errorText);
}

} // namespace media
