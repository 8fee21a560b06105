// Picture loading without QPixmap's file cache.
#include "media/pictures.h"

#include "engine/media_catalog.h"
#include "media/data_folder.h"
#include "media/media_log.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMutex>
#include <QSet>

namespace ferlow::media {
namespace {

// A missing picture is reported once, not every time its control repaints.
void warnOnce(const QString& path, const QString& reason)
{
    static QMutex mutex;
    static QSet<QString> warned;
    const QMutexLocker lock(&mutex);
    if (!warned.contains(path)) {
        warned.insert(path);
        qCWarning(lcMedia).nospace().noquote() << "cannot load picture " << path << ": " << reason;
    }
}

}  // namespace

QImage loadPictureImage(const QString& path)
{
    // QImageReader rather than QPixmap::load, which keeps a cache keyed on
    // the file's name, size and time and can hand back a stale picture.
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        warnOnce(path, reader.errorString());
    }
    return image;
}

QPixmap loadPicture(const QString& file, qreal devicePixelRatio)
{
    if (file.isEmpty()) return {};
    const QString path = QDir(installedDataFolder()).filePath(file);
    if (devicePixelRatio > 1.0) {
        // A data folder with only the ordinary pictures still works, enlarged.
        const QString fine = QString::fromStdString(files::fineName(path.toStdString()));
        if (QFileInfo::exists(fine)) {
            QPixmap pixmap = loadPicture(fine);
            pixmap.setDevicePixelRatio(files::kFineScale);
            if (!pixmap.isNull()) return pixmap;
        }
    }
    const QImage image = loadPictureImage(path);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

}  // namespace ferlow::media
