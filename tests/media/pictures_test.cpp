// Pictures: loaded fresh from disk on every call, null when missing or unreadable.
#include "media/pictures.h"

#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ferlow::media::test {
namespace {

class PicturesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString writeBmp(const char* name, QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString file = dir_.filePath(name);
        EXPECT_TRUE(image.save(file, "BMP"));
        return file;
    }

    QTemporaryDir dir_;
};

TEST_F(PicturesTest, MissingOrUnreadableFilesGiveNullPictures) {
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

TEST_F(PicturesTest, LoadsABitmapAtItsSize) {
    const QString file = writeBmp("board.bmp", {30, 20}, Qt::red);
    const QPixmap pixmap = loadPicture(file);
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), QSize(30, 20));
    EXPECT_EQ(pixmap.toImage().pixelColor(5, 5), QColor(Qt::red));
}

TEST_F(PicturesTest, RereadsTheFileOnEveryCall) {
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

}  // namespace
}  // namespace ferlow::media::test
