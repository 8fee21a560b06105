// Loading the game's pictures, fresh from their files every time they are shown.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace ferlow::media {

// Reads the picture at `path` from disk on every call; nothing is cached,
// so a file replaced while the game runs shows its new content. A missing
// or unreadable file gives a null image: the control is left blank.
QImage loadPictureImage(const QString& path);

// As loadPictureImage, as a pixmap (needs a QGuiApplication).
QPixmap loadPicture(const QString& path);

}  // namespace ferlow::media
