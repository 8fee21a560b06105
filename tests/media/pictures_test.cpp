// Pictures: loaded fresh from disk on every call, null when missing or unreadable.
#include "media/pictures.h"

#include "engine/media_catalog.h"

#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ferlow::media::test {
namespace {

class PicturesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString writeBmp(const char* name, QSize size, QColor colour)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString file = dir_.filePath(name);
        EXPECT_TRUE(image.save(file, "BMP"));
        return file;
    }

    QTemporaryDir dir_;
};

TEST_F(PicturesTest, MissingOrUnreadableFilesGiveNullPictures)
{
    const QString missing = dir_.filePath("missing.bmp");
    EXPECT_TRUE(loadPictureImage(missing).isNull());
    EXPECT_TRUE(loadPicture(missing).isNull());

    const QString garbage = dir_.filePath("garbage.bmp");
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a bitmap");
    file.close();
    EXPECT_TRUE(loadPictureImage(garbage).isNull());
    EXPECT_TRUE(loadPicture(garbage).isNull());
    EXPECT_TRUE(loadPicture(QString()).isNull());
}

TEST_F(PicturesTest, LoadsABitmapAtItsSize)
{
    const QString file = writeBmp("board.bmp", {30, 20}, Qt::red);
    const QPixmap pixmap = loadPicture(file);
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), QSize(30, 20));
    EXPECT_EQ(pixmap.toImage().pixelColor(5, 5), QColor(Qt::red));
}

TEST_F(PicturesTest, RereadsTheFileOnEveryCall)
{
    const QString file = writeBmp("ball.bmp", {30, 20}, Qt::red);
    EXPECT_EQ(loadPicture(file).size(), QSize(30, 20));

    writeBmp("ball.bmp", {50, 40}, Qt::blue);
    EXPECT_EQ(loadPicture(file).size(), QSize(50, 40));

    // Same name, size and time stamp, new content: a cache keyed on those
    // would still show blue.
    QFile stamped(file);
    const QDateTime stamp = stamped.fileTime(QFileDevice::FileModificationTime);
    writeBmp("ball.bmp", {50, 40}, Qt::green);
    ASSERT_TRUE(stamped.open(QIODevice::ReadWrite));
    ASSERT_TRUE(stamped.setFileTime(stamp, QFileDevice::FileModificationTime));
    stamped.close();
    EXPECT_EQ(loadPicture(file).toImage().pixelColor(1, 1), QColor(Qt::green));
    EXPECT_EQ(loadPictureImage(file).pixelColor(1, 1), QColor(Qt::green));
}

TEST(FineName, GoesBeforeTheExtensionOfTheFileName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"logo.bmp", "logo@2x.bmp"},
        {"/usr/share/ferlow/hg1.bmp", "/usr/share/ferlow/hg1@2x.bmp"},
        {"D:\\program files\\ferlow\\sad.bmp", "D:\\program files\\ferlow\\sad@2x.bmp"},
        {"/data.v2/plating", "/data.v2/plating@2x"},
    };
    for (const auto& [name, fine] : cases) EXPECT_EQ(files::fineName(name), fine) << name;
}

// On a HiDPI screen the fine drawing beside the file is read, marked twice as
// fine so it shows at the picture's size in points; without one, the file.
TEST_F(PicturesTest, AScreenAboveOnePixelToThePointReadsTheFineDrawing)
{
    const QString file = writeBmp("face.bmp", {30, 20}, Qt::red);
    writeBmp("face@2x.bmp", {60, 40}, Qt::blue);
    const QString alone = writeBmp("logo.bmp", {30, 20}, Qt::red);
    struct Case {
        QString path;
        qreal screenRatio;
        QColor colour;
        qreal pixmapRatio;
    };
    const Case cases[] = {
        {file, 1.0, Qt::red, 1.0},
        {file, 1.5, Qt::blue, 2.0},
        {file, 2.0, Qt::blue, 2.0},
        {alone, 2.0, Qt::red, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString() + " at " + std::to_string(c.screenRatio));
        const QPixmap pixmap = loadPicture(c.path, c.screenRatio);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.toImage().pixelColor(1, 1), c.colour);
        EXPECT_EQ(pixmap.devicePixelRatio(), c.pixmapRatio);
        EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(30, 20));
    }
    // Read afresh each time, like the ordinary file.
    writeBmp("face@2x.bmp", {60, 40}, Qt::green);
    EXPECT_EQ(loadPicture(file, 2.0).toImage().pixelColor(1, 1), QColor(Qt::green));
}

}  // namespace
}  // namespace ferlow::media::test
