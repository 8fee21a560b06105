// Resolving the data folder from the executable's location or FERLOW_DATA_DIR.
#include "media/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ferlow::media {
namespace {

QString asFolder(const QString& path)
{
    const QFileInfo info(path);
    QString folder = info.canonicalFilePath();
    if (folder.isEmpty()) {
        // Missing: keep a usable absolute path so later lookups simply fail
        // and show blank pictures and alerts instead of reading the cwd.
        folder = QDir::cleanPath(info.absoluteFilePath());
    }
    if (!folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder;
}

}  // namespace

QString dataFolderFor(const QString& executableFolder, const QString& overrideFolder)
{
    if (!overrideFolder.isEmpty()) {
        return asFolder(overrideFolder);
    }
    return asFolder(QDir(executableFolder).filePath(QStringLiteral("../share/ferlow")));
}

QString installedDataFolder()
{
    const QString overrideFolder = qEnvironmentVariable(kDataDirVariable);
    if (!overrideFolder.isEmpty()) {
        return asFolder(overrideFolder);
    }
    return dataFolderFor(QCoreApplication::applicationDirPath());
}

}  // namespace ferlow::media
