// Writes finished media files; a file is replaced only once it is complete.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class QImage;

namespace media {

// A picture with transparent parts is written as a 32-bit BMP with an alpha
// channel; an opaque one as a plain 24-bit BMP, which every loader reads.
// Both return false (and leave any earlier file in place) if the file
// cannot be written completely; errorText then says why.
bool writeBytes(const QString& path, const std::vector<std::uint8_t>& bytes, QString* errorText);
bool writeBmp(const QString& path, const QImage& image, QString* errorText);

}  // namespace media
