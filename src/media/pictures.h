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

// As loadPictureImage, as a pixmap (needs a QGuiApplication), for a screen of
// `devicePixelRatio` device pixels to the point. Above 1 it reads the drawing
// twice as fine that lies beside the file ("logo@2x.bmp" beside "logo.bmp"), when
// there is one, so the picture is as sharp as the text around it; the pixmap's
// own ratio says which was read, so either shows at the picture's size in points.
// `file` is a name of the data folder, or a whole path; nothing (a blank control)
// for an empty name.
QPixmap loadPicture(const QString& file, qreal devicePixelRatio = 1.0);

}  // namespace ferlow::media
