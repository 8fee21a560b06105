// The pictures in the data folder: sizes, format, and that each shows what it should.
#include "wav_reader.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

QString dataFile(const QString& name) { return QStringLiteral(FERLOW_DATA_DIR "/") + name; }

struct Expected {
    const char* name;
    int width;
    int height;
    bool onAControlsFace;  // shown on a button face: transparent around the drawing
};

const std::vector<Expected> kPictures{
    {"logo.bmp", 136, 48, false},      {"plating.bmp", 120, 40, false}, {"plating2.bmp", 120, 40, false},
    {"hg1.bmp", 44, 64, true},         {"hg2.bmp", 44, 64, true},       {"hg3.bmp", 44, 64, true},
    {"hg4.bmp", 44, 64, true},         {"hg5.bmp", 44, 64, true},       {"hg6.bmp", 44, 64, true},
    {"Australian.bmp", 96, 64, false}, {"help.bmp", 484, 400, false},   {"smile4.bmp", 30, 30, true},
    {"smile3.bmp", 30, 30, true},      {"smile2.bmp", 30, 30, true},    {"smile1.bmp", 30, 30, true},
    {"straight.bmp", 30, 30, true},    {"sad.bmp", 30, 30, true},
};

const char* const kFaces[] = {"smile4.bmp", "smile3.bmp", "smile2.bmp", "smile1.bmp", "straight.bmp", "sad.bmp"};

QImage load(const QString& name) { return QImage(dataFile(name)).convertToFormat(QImage::Format_RGB32); }

bool isAmber(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    return r >= 170 && b <= 120 && r - b >= 90 && g >= 90 && g <= r - 25;
}

int countPixels(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

QString fineName(const char* name)
{
    return QString::fromLatin1(name).replace(QStringLiteral(".bmp"), QStringLiteral("@2x.bmp"));
}

// Opaque pictures are plain 24-bit BMPs; those shown on a control's face carry
// an alpha channel (32 bits, with the masks of a version 5 header). Beside each
// lies its fine drawing for HiDPI screens, twice as wide and twice as high.
TEST(Pictures, EachDecodesAtItsExactSize)
{
    for (const Expected& e : kPictures)
        for (const int scale : {1, 2}) {
            const QString name = scale == 1 ? QString::fromLatin1(e.name) : fineName(e.name);
            SCOPED_TRACE(name.toStdString());
            const QByteArray bytes = media_test::readFile(dataFile(name));
            ASSERT_GE(bytes.size(), 54) << "missing or truncated";
            EXPECT_EQ(bytes.left(2), "BM");
            const auto word = [&](int at) {
                return static_cast<unsigned char>(bytes.at(at)) | (static_cast<unsigned char>(bytes.at(at + 1)) << 8);
            };
            EXPECT_EQ(word(28), e.onAControlsFace ? 32 : 24) << "bits per pixel";
            EXPECT_EQ(word(14), e.onAControlsFace ? 124 : 40) << "header size";
            const QImage image = QImage::fromData(bytes, "BMP");
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.hasAlphaChannel(), e.onAControlsFace);
            EXPECT_EQ(image.width(), e.width * scale);
            EXPECT_EQ(image.height(), e.height * scale);
        }
}

// The fine drawing is the same picture, not another one: halved, it matches
// the ordinary file but for the detail only the finer pixels can hold.
TEST(Pictures, EachFineDrawingIsTheSamePictureInFinerPixels)
{
    for (const Expected& e : kPictures) {
        SCOPED_TRACE(e.name);
        // Premultiplied, so the colour under a clear pixel weighs nothing.
        const auto read = [](const QString& name) {
            return QImage(dataFile(name)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage ordinary = read(QString::fromLatin1(e.name));
        const QImage fine = read(fineName(e.name));
        ASSERT_FALSE(ordinary.isNull() || fine.isNull());
        ASSERT_EQ(fine.size(), ordinary.size() * 2);
        double difference = 0.0;
        for (int y = 0; y < ordinary.height(); ++y)
            for (int x = 0; x < ordinary.width(); ++x) {
                // Each channel of the four fine pixels over this one, averaged.
                const auto halved = [&](int (*channel)(QRgb)) {
                    return (channel(fine.pixel(2 * x, 2 * y)) + channel(fine.pixel(2 * x + 1, 2 * y)) +
                            channel(fine.pixel(2 * x, 2 * y + 1)) + channel(fine.pixel(2 * x + 1, 2 * y + 1))) /
                           4.0;
                };
                const QRgb p = ordinary.pixel(x, y);
                difference += std::abs(halved(qRed) - qRed(p)) + std::abs(halved(qGreen) - qGreen(p)) +
                              std::abs(halved(qBlue) - qBlue(p)) + std::abs(halved(qAlpha) - qAlpha(p));
            }
        const double perChannel = difference / (4.0 * ordinary.width() * ordinary.height());
        std::printf("%s: halved fine drawing differs by %.2f per channel\n", e.name, perChannel);
        EXPECT_LT(perChannel, 6.0);
    }
}

// The hourglass and the faces take the face colour of whatever shows them: clear
// at the corners, solid in the middle; a loader that ignores the alpha channel
// sees the classic grey button face around them instead.
TEST(Pictures, OnesShownOnAControlsFaceAreClearAroundTheDrawing)
{
    for (const Expected& e : kPictures) {
        if (!e.onAControlsFace) continue;
        SCOPED_TRACE(e.name);
        const QImage image = QImage(dataFile(QString::fromLatin1(e.name))).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        const int right = image.width() - 1, bottom = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
            EXPECT_EQ(image.pixel(corner) & 0xffffffu, 0xc0c0c0u);
        }
        const int solid = countPixels(image, image.rect(), [](QRgb c) { return qAlpha(c) == 255; });
        EXPECT_GT(solid * 4, image.width() * image.height()) << "the drawing itself is solid";
    }
}

TEST(Hourglass, SandRunsFromTopToBottomInEvenStages)
{
    std::vector<int> top, bottom;
    for (int stage = 1; stage <= 6; ++stage) {
        const QImage image = load(QStringLiteral("hg%1.bmp").arg(stage));
        ASSERT_FALSE(image.isNull());
        const int half = image.height() / 2;
        top.push_back(countPixels(image, QRect(0, 0, image.width(), half), isAmber));
        bottom.push_back(countPixels(image, QRect(0, half, image.width(), image.height() - half), isAmber));
    }
    const double meanStep = (top.front() - top.back()) / 5.0;
    ASSERT_GT(meanStep, 20.0) << "hardly any sand moves between the first and last stage";
    for (int i = 1; i < 6; ++i) {
        SCOPED_TRACE("stage " + std::to_string(i + 1));
        EXPECT_LT(top[i], top[i - 1]);
        EXPECT_GT(bottom[i], bottom[i - 1]);
        // Even stages: each turn moves about the same amount of sand.
        const double step = top[i - 1] - top[i];
        EXPECT_GT(step, 0.5 * meanStep);
        EXPECT_LT(step, 1.5 * meanStep);
    }
}

TEST(Faces, AllSixAreVisiblyDifferent)
{
    std::vector<QImage> faces;
    for (const char* name : kFaces) {
        faces.push_back(load(QString::fromLatin1(name)));
        ASSERT_FALSE(faces.back().isNull()) << name;
    }
    for (std::size_t a = 0; a < faces.size(); ++a) {
        for (std::size_t b = a + 1; b < faces.size(); ++b) {
            int differing = 0;
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x) {
                    const QRgb p = faces[a].pixel(x, y), q = faces[b].pixel(x, y);
                    const int d =
                        std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
                    differing += d > 60 ? 1 : 0;
                }
            EXPECT_GE(differing, 12) << kFaces[a] << " vs " << kFaces[b];
        }
    }
}

// Text that failed to render (no font found) would leave these pictures
// without their words; the ink where only words are drawn shows they are there.
TEST(Pictures, TextIsActuallyDrawn)
{
    const QImage helpPage = load(QStringLiteral("help.bmp"));
    ASSERT_FALSE(helpPage.isNull());
    const QRect textColumn(40, 50, 290, 340);  // left of the diagrams, below the heading
    const int ink = countPixels(helpPage, textColumn, [](QRgb c) { return qGray(c) < 110; });
    EXPECT_GT(ink, textColumn.width() * textColumn.height() / 25);

    const QImage logo = load(QStringLiteral("logo.bmp"));
    ASSERT_FALSE(logo.isNull());
    const QRect lettering(10, 8, 116, 32);  // inside the gold frame
    const int gold =
        countPixels(logo, lettering, [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 140 && qBlue(c) < 140; });
    EXPECT_GT(gold, lettering.width() * lettering.height() / 20);  // bare felt has none
}

// The help page pictures the game as it is: the board's green with its balls,
// the Bet window's red gauge, the status panels' grey text on their dark face.
TEST(HelpPage, ShowsTheGamesOwnColours)
{
    const QImage page = load(QStringLiteral("help.bmp"));
    ASSERT_FALSE(page.isNull());
    struct Shown {
        const char* what;
        bool (*is)(QRgb);
        int atLeast;  // pixels
    };
    const Shown shown[] = {
        {"the board's green", [](QRgb c) { return c == qRgb(0, 128, 0); }, 2000},
        {"blue balls", [](QRgb c) { return qBlue(c) > 150 && qRed(c) < 90 && qGreen(c) < 110; }, 150},
        {"red balls", [](QRgb c) { return qRed(c) > 160 && qGreen(c) < 70 && qBlue(c) < 70; }, 150},
        {"purple balls", [](QRgb c) { return qRed(c) > 100 && qBlue(c) > 120 && qGreen(c) < 70; }, 60},
        {"the status panels' dark face", [](QRgb c) { return qGray(c) < 40 && qGreen(c) > qRed(c); }, 1200},
        {"the status panels' grey text", [](QRgb c) { return c == qRgb(155, 155, 155); }, 15},
    };
    for (const Shown& s : shown) {
        const int n = countPixels(page, page.rect(), s.is);
        EXPECT_GE(n, s.atLeast) << s.what;
    }
}

}  // namespace
