// make-media writes exactly the media catalogue's files, the same bytes on every
// run. Its pictures decode at their size, each fine drawing at twice that; those
// shown on a control's face are clear around the drawing. Its sounds are
// 22,050 Hz mono 16-bit WAVE files that fade in and out, so they do not click.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdlib>
#include <span>

#include "engine/media_catalog.h"

namespace {

using namespace ferlow::files;

QString dataFile(const std::string& name) { return QStringLiteral(FERLOW_DATA_DIR "/") + QString::fromStdString(name); }

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(MakeMedia, WritesExactlyTheCataloguesFilesTheSameEveryRun)
{
    QSet<QString> catalogue;
    for (const char* picture : kPictures) catalogue << picture << QString::fromStdString(fineName(picture));
    for (const char* sound : kSounds) catalogue << sound;
    QTemporaryDir first, second;
    for (const QTemporaryDir* out : {&first, &second}) {
        QProcess tool;
        tool.start(QStringLiteral(MAKE_MEDIA_EXE), {out->path()});
        ASSERT_TRUE(tool.waitForFinished(60000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        const QStringList written = QDir(out->path()).entryList(QDir::Files);
        EXPECT_EQ(QSet<QString>(written.begin(), written.end()), catalogue);
    }
    for (const QString& name : catalogue)
        EXPECT_EQ(contents(first.filePath(name)), contents(second.filePath(name))) << name.toStdString();
}

// Each picture at the size of the box that shows it.
TEST(MakeMedia, EachPictureDecodesAtItsSize)
{
    std::vector sizes = {std::pair(kLogo, QSize(136, 48)), std::pair(kPlating, QSize(120, 40)),
                         std::pair(kPlatingPressed, QSize(120, 40)), std::pair(kOpeningPicture, QSize(96, 64)),
                         std::pair(kHelpPage, QSize(484, 400))};
    for (const char* hourglass : kHourglass) sizes.push_back({hourglass, {44, 64}});
    for (const char* face : kFaces) sizes.push_back({face, {30, 30}});
    ASSERT_EQ(sizes.size(), kPictures.size());
    for (const auto& [name, size] : sizes) {
        EXPECT_EQ(QImage(dataFile(name)).size(), size) << name;
        EXPECT_EQ(QImage(dataFile(fineName(name))).size(), size * kFineScale) << name;
    }
}

// The hourglass and the faces take the face colour of whatever shows them:
// they are clear around the drawing.
TEST(MakeMedia, PicturesShownOnAControlsFaceHaveAClearSurround)
{
    for (const char* const* group : {kHourglass, kFaces})
        for (const std::string picture : std::span(group, 6))
            for (const std::string& name : {picture, fineName(picture)}) {
                const QImage image = QImage(dataFile(name)).convertToFormat(QImage::Format_ARGB32);
                const int right = image.width() - 1, bottom = image.height() - 1;
                for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
                    EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << name << " at " << corner.x() << "," << corner.y();
            }
}

// The canonical header of a 16-bit mono PCM WAVE file at 22,050 Hz holding
// `bytes` bytes of samples.
QByteArray waveHeader(quint32 bytes)
{
    const auto le = [](quint32 value, int size) {
        QByteArray b;
        for (int i = 0; i < size; ++i) b.append(char(value >> (8 * i)));
        return b;
    };
    return "RIFF" + le(36 + bytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(22050, 4) + le(44100, 4) +
           le(2, 2) + le(16, 2) + "data" + le(bytes, 4);
}

TEST(MakeMedia, SoundsAreMono16BitWavesAt22050HzThatFadeInAndOut)
{
    for (const char* name : kSounds) {
        const QByteArray wave = contents(dataFile(name));
        ASSERT_GE(wave.size(), 100) << name;
        EXPECT_EQ(wave.left(44).toHex(' '), waveHeader(quint32(wave.size() - 44)).toHex(' ')) << name;
        // The first and last four samples lie within 1 % of full scale of silence.
        for (qsizetype i = 0; i < 8; i += 2)
            for (const qsizetype at : {44 + i, wave.size() - 2 - i})
                EXPECT_LE(std::abs(qFromLittleEndian<qint16>(wave.constData() + at)), 327) << name << " at byte " << at;
    }
}

}  // namespace
