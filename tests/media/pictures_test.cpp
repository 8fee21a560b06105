// Pictures: on a screen of more than one device pixel to the point the fine
// drawing beside the file is read.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "media/pictures.h"

namespace ferlow::media::test {
namespace {

// On a screen of more than one device pixel to the point, the fine drawing beside
// the file is read. Each row: the screen's ratio, and which drawing is read (the
// fine one is blue), marked with the ratio it was drawn for.
TEST(Pictures, TheDrawingForTheScreensDensity)
{
    // Pixmaps need an application, here on no screen.
    char arg0[] = "media_tests", arg1[] = "-platform", arg2[] = "offscreen";
    char* argv[] = {arg0, arg1, arg2, nullptr};
    int argc = 3;
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    QImage fine({60, 40}, QImage::Format_RGB32), plain({30, 20}, QImage::Format_RGB32);
    fine.fill(Qt::blue);
    plain.fill(Qt::red);
    ASSERT_TRUE(fine.save(dir.filePath("face@2x.bmp")) && plain.save(dir.filePath("face.bmp")));
    for (const auto& [ratio, colour, drawnFor] :
         {std::tuple{1.0, Qt::red, 1.0}, std::tuple{1.5, Qt::blue, 2.0}, std::tuple{2.0, Qt::blue, 2.0}}) {
        const QPixmap picture = loadPicture(dir.filePath("face.bmp"), ratio);
        EXPECT_EQ(picture.toImage().pixelColor(1, 1), QColor(colour)) << ratio;
        EXPECT_EQ(picture.devicePixelRatio(), drawnFor) << ratio;
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(30, 20)) << ratio;
    }
}

}  // namespace
}  // namespace ferlow::media::test
