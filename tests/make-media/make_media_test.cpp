// make-media writes exactly the media catalogue's files, and a fresh run gives
// the very bytes the build made. Each fine drawing is twice its picture's size.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "engine/media_catalog.h"

namespace {

using namespace ferlow::files;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(MakeMedia, AFreshRunWritesEveryMediaFileAsTheBuildDid)
{
    QTemporaryDir out;
    QProcess tool;
    tool.start(QStringLiteral(MAKE_MEDIA_EXE), {out.path()});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QSet<QString> catalogue;
    for (const char* picture : kPictures) {
        const QString fine = QString::fromStdString(fineName(picture));
        catalogue << picture << fine;
        EXPECT_EQ(QImage(out.filePath(fine)).size(), QImage(out.filePath(picture)).size() * 2) << picture;
    }
    for (const char* sound : kSounds) catalogue << sound;
    const QStringList written = QDir(out.path()).entryList(QDir::Files);
    EXPECT_EQ(QSet<QString>(written.begin(), written.end()), catalogue);
    for (const QString& name : catalogue)
        EXPECT_EQ(contents(out.filePath(name)), contents(FERLOW_DATA_DIR "/" + name)) << name.toStdString();
}

}  // namespace
