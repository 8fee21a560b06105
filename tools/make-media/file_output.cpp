// Atomic file output through QSaveFile, so an interrupted build never leaves
// a truncated picture or sound behind that later looks up to date.
#include "file_output.h"

#include <QImage>
#include <QSaveFile>

namespace media {
namespace {

// What a loader that ignores the alpha channel shows where a picture is
// transparent: the classic button face, the colour these pictures were once
// drawn on.
constexpr QRgb kSurroundForPlainLoaders = qRgb(192, 192, 192);

bool hasTransparency(const QImage& image)
{
    if (!image.hasAlphaChannel()) return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255) return true;
    }
    return false;
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// A 32-bit BMP with a BITMAPV5HEADER whose bit masks include alpha: the form
// of BMP with an alpha channel that Qt, GDK and ImageMagick all read. Colours
// are stored straight (not premultiplied), bottom row first.
std::vector<std::uint8_t> encodeBmpWithAlpha(const QImage& image)
{
    constexpr std::uint32_t kFileHeader = 14;
    constexpr std::uint32_t kV5Header = 124;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const auto width = static_cast<std::uint32_t>(argb.width());
    const auto height = static_cast<std::uint32_t>(argb.height());
    const std::uint32_t pixelBytes = width * height * 4;
    std::vector<std::uint8_t> out;
    out.reserve(kFileHeader + kV5Header + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, kFileHeader + kV5Header + pixelBytes);
    put32(out, 0);
    put32(out, kFileHeader + kV5Header);

    put32(out, kV5Header);
    put32(out, width);
    put32(out, height);
    put16(out, 1);   // planes
    put16(out, 32);  // bits per pixel
    put32(out, 3);   // BI_BITFIELDS
    put32(out, pixelBytes);
    put32(out, 2835);  // 72 dots per inch, in dots per metre
    put32(out, 2835);
    put32(out, 0);  // no palette
    put32(out, 0);
    for (const std::uint32_t mask : {0x00ff0000u, 0x0000ff00u, 0x000000ffu, 0xff000000u}) put32(out, mask);
    put32(out, 0x73524742);                      // LCS_sRGB
    for (int i = 0; i < 12; ++i) put32(out, 0);  // end points and gamma, unused with sRGB
    put32(out, 4);                               // LCS_GM_IMAGES
    put32(out, 0);                               // no profile
    put32(out, 0);
    put32(out, 0);

    for (int y = argb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            put32(out, qAlpha(line[x]) == 0 ? (kSurroundForPlainLoaders & 0x00ffffffu) : line[x]);
    }
    return out;
}

bool fail(QSaveFile& file, QString* errorText)
{
    if (errorText) *errorText = file.errorString();
    file.cancelWriting();
    return false;
}

bool commit(QSaveFile& file, QString* errorText)
{
    if (file.commit()) return true;
    if (errorText) *errorText = file.errorString();
    return false;
}

}  // namespace

bool writeBytes(const QString& path, const std::vector<std::uint8_t>& bytes, QString* errorText)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file, errorText);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) return fail(file, errorText);
    return commit(file, errorText);
}

bool writeBmp(const QString& path, const QImage& image, QString* errorText)
{
    if (hasTransparency(image)) return writeBytes(path, encodeBmpWithAlpha(image), errorText);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file, errorText);
    // Without an alpha channel Qt writes a plain 24-bit BMP, which every
    // loader reads the same way.
    if (!image.convertToFormat(QImage::Format_RGB32).save(&file, "BMP")) {
        if (errorText) *errorText = QStringLiteral("BMP encoding failed");
        file.cancelWriting();
        return false;
    }
    return commit(file, errorText);
}

}  // namespace media
