// Every window in a typical state: its texts must show whole in this desktop's
// fonts, and a picture of it is kept under the build tree for people to look at.
// Measured on those pictures as painted: the status panels' contrast, the
// colour around the pictures, and the logo's sharpness at twice the density.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "layout_check.h"
#include "ui/board/board_cursor.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

// WCAG 2 relative luminance of an sRGB colour, and the contrast ratio of two.
double luminance(QColor c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colours painted in `area` of `image`, most frequent first.
std::vector<QRgb> coloursByFrequency(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
    std::vector<std::pair<int, QRgb>> byCount;
    for (const auto& [colour, n] : counts) byCount.emplace_back(n, colour);
    std::sort(byCount.rbegin(), byCount.rend());
    std::vector<QRgb> colours;
    for (const auto& entry : byCount) colours.push_back(entry.second);
    return colours;
}

// Root-mean-square difference of two images of one size, 0 (same) to 1.
double rmse(const QImage& a, const QImage& b)
{
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) sum += d * d;
        }
    return std::sqrt(sum / (3.0 * a.width() * a.height())) / 255.0;
}

// How much detail a picture holds that no twofold enlargement of a picture half
// its size could: the smaller difference between it and its half-size copy
// enlarged again, by interpolation and by repeating pixels. An enlarged
// picture scores near 0.
double detailBeyondEnlargement(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QImage half = image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage smooth = half.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage blocky = half.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return std::min(rmse(image, smooth), rmse(image, blocky));
}

class Screenshots : public UiTest {
protected:
    void shoot(QWidget* window, const QString& name)
    {
        ASSERT_NE(window, nullptr) << name.toStdString();
        ASSERT_TRUE(window->isVisible()) << name.toStdString();
        const QString folder = qEnvironmentVariable("FERLOW_UI_ARTIFACTS", FERLOW_UI_ARTIFACTS);
        QDir().mkpath(folder);
        const QPixmap picture = window->grab();
        grabbed = picture.toImage();
        EXPECT_TRUE(picture.save(folder + "/" + name + ".png")) << name.toStdString();
        const QStringList clipped = clippedTexts(window);
        EXPECT_TRUE(clipped.isEmpty()) << name.toStdString() << ":\n  " << clipped.join("\n  ").toStdString();
    }
    // The last picture taken, at the screen's pixel ratio.
    QImage grabbed;

    // `widget`'s rectangle in the last picture, in device pixels.
    QRect deviceRect(QWidget* widget, QWidget* window, QRect inWidget) const
    {
        const qreal ratio = grabbed.devicePixelRatio();
        const QRectF logical(QPointF(widget->mapTo(window, inWidget.topLeft())), QSizeF(inWidget.size()));
        return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect();
    }
};

TEST_F(Screenshots, EveryWindowShowsItsTextsWhole)
{
    views->run([this] { m.startUp(); });
    shoot(views->openingWindow(), "opening");
    click(control(views->openingWindow(), "CmdPlay"));
    chooseMenu("Mnupri");
    chooseMenu("Mnustats");

    // A few turns in, with a large credit, so the captions are at their longest.
    m.state.turn = 17;
    m.state.credit = 250000;
    pickAndOpenBet(10);
    QTest::keyClicks(control<QLineEdit>(views->betWindow(), "Txtfil"), "100");
    shoot(views->betWindow(), "bet");
    click(control(views->betWindow(), "Cmdok"));
    playTurn();
    shoot(views->mainWindow(), "main");
    shoot(views->prizeWindow(), "prize");
    shoot(views->statsWindow(), "stats");

    chooseMenu("Mnuabt");
    shoot(views->aboutWindow(), "about");
    click(control(views->aboutWindow(), "Cmdok"));
    chooseMenu("MnuHlp");
    shoot(views->helpWindow(), "help");
    click(control(views->helpWindow(), "CmdClose"));
    chooseMenu("Mnuinst");
    shoot(views->instructionsWindow(), "instructions");
    click(control(views->instructionsWindow(), "CmdClose"));

    // The last turn of the game ends in the high-score window, taking a name.
    pickAndOpenBet(0);
    m.state.turn = m.state.turnLimit - 1;
    m.state.credit = 250000;
    placeBet("100");
    playTurn();
    ASSERT_NE(views->highScoreWindow(), nullptr);
    QLineEdit* name = control<QLineEdit>(views->highScoreWindow(), "Txtnam1");
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, "Winner");
    shoot(views->highScoreWindow(), "high_scores");
}

// The four status panels carry the numbers the player watches: their grey text
// must read on their face at 4.5 : 1 or better, as painted on the screen.
TEST_F(Screenshots, StatusPanelsReadAtFourAndAHalfToOneOrBetter)
{
    startGame();
    pickAndOpenBet(4);
    placeBet("10");
    playTurn();
    QWidget* window = views->mainWindow();
    shoot(window, "status_panels");
    for (const char* name : {"LblHit", "LblWon", "LblCred", "LblBet"}) {
        auto* panel = control<QFrame>(window, name);
        ASSERT_NE(panel, nullptr);
        const std::vector<QRgb> colours = coloursByFrequency(grabbed, deviceRect(panel, window, panel->contentsRect()));
        ASSERT_GE(colours.size(), 2u) << name << " shows no text";
        // The face fills most of the panel; the text's strokes are the next
        // colour, solid where a stroke covers whole pixels.
        const QColor face(colours[0]), text(colours[1]);
        EXPECT_EQ(text, QColor(155, 155, 155)) << name << ": the text is not the panels' grey";
        const double ratio = contrast(text, face);
        std::printf("%s: text %s on face %s, contrast %.2f : 1\n", name, qPrintable(text.name()),
                    qPrintable(face.name()), ratio);
        EXPECT_GE(ratio, 4.5) << name;
    }
}

// The hourglass and the faces are drawn on nothing: around them shows the face
// colour of the control that holds them, and the same colour as the panel or
// window around that, whatever face colour the desktop's theme gives controls.
TEST_F(Screenshots, PicturesSitOnTheFaceOfTheirControl)
{
    const QPalette desktop = QApplication::palette();
    QPalette theme = desktop;
    const QColor warmFace(214, 204, 178);
    for (const auto role : {QPalette::Window, QPalette::Button}) theme.setColor(role, warmFace);
    QApplication::setPalette(theme);

    const auto expectOnFace = [&](QWidget* window, const char* name) {
        auto* view = control(window, name);
        ASSERT_NE(view, nullptr);
        const QRect box = deviceRect(view, window, view->rect());
        const QColor face = view->palette().color(QPalette::Window);
        EXPECT_EQ(face, warmFace) << name << " does not take the desktop's face colour";
        for (const QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            EXPECT_EQ(grabbed.pixel(corner), face.rgb())
                << name << " at device pixel " << corner.x() << "," << corner.y();
        const QPoint outside(box.left() - 1, box.center().y());
        EXPECT_EQ(grabbed.pixel(outside), face.rgb()) << "around " << name;
        EXPECT_NE(grabbed.pixel(box.center()), face.rgb()) << name << " shows no picture";
    };
    startGame();
    shoot(views->mainWindow(), "hourglass_on_a_theme");
    expectOnFace(views->mainWindow(), "PicShow");

    // The last turn of a game ends in the high-score window, with a face.
    pickAndOpenBet(4);
    m.state.turn = m.state.turnLimit - 1;
    m.state.credit = 250000;
    placeBet("100");
    playTurn();
    ASSERT_NE(views->highScoreWindow(), nullptr);
    shoot(views->highScoreWindow(), "face_on_a_theme");
    expectOnFace(views->highScoreWindow(), "PicFace");
    QApplication::setPalette(desktop);
}

// On a screen of two device pixels to the point the logo is drawn from its fine
// drawing, as sharp as the text around it, not enlarged from the ordinary file.
TEST_F(Screenshots, TheLogoIsAsSharpAsTheScreenAtScaleTwo)
{
    startGame();
    QWidget* window = views->mainWindow();
    shoot(window, "logo");
    if (grabbed.devicePixelRatio() < 2) GTEST_SKIP() << "runs at QT_SCALE_FACTOR=2 (ui_screenshots_x2)";
    auto* logo = control(window, "Image1");
    ASSERT_NE(logo, nullptr);
    // The picture inside the box, clear of its edges.
    const QRect inner = logo->rect().adjusted(3, 3, -3, -3);
    const QImage shown = grabbed.copy(deviceRect(logo, window, inner));

    // What the box would show if the ordinary file were enlarged to fit it.
    const QSize device = logo->size() * grabbed.devicePixelRatio();
    QImage enlarged(device, QImage::Format_RGB32);
    enlarged.fill(Qt::black);
    {
        const QImage file(QString(FERLOW_DATA_DIR) + "/logo.bmp");
        ASSERT_FALSE(file.isNull());
        const QImage fitted = file.scaled(device, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter p(&enlarged);
        p.drawImage(QPoint((device.width() - fitted.width()) / 2, (device.height() - fitted.height()) / 2), fitted);
    }
    const qreal ratio = grabbed.devicePixelRatio();
    const QImage plain = enlarged.copy(QRectF(QPointF(inner.topLeft()) * ratio, QSizeF(inner.size()) * ratio).toRect());
    ASSERT_EQ(plain.size(), shown.size());

    const double sharp = detailBeyondEnlargement(shown), blurred = detailBeyondEnlargement(plain);
    std::printf("logo at scale %.0f: detail beyond a 2x enlargement %.4f as shown, %.4f enlarged from logo.bmp\n",
                ratio, sharp, blurred);
    // The box is a little smaller than the logo, so both are resampled to fit;
    // the measure then credits the enlargement with some detail of its own.
    EXPECT_GE(sharp, 0.04);
    EXPECT_GT(sharp, 1.3 * blurred);
}

// The keyboard's ring on the board, on a blue ball and on the green: a solid
// yellow band two pixels wide around the number, drawn on whole device pixels,
// gone when the board loses the focus.
TEST_F(Screenshots, TheBoardsRingShowsOnABallAndOnTheGreen)
{
    views->run([this] { m.startUp(); });
    click(control(views->openingWindow(), "CmdPlay"));
    QWidget* window = views->mainWindow();
    activate(window);
    pressNumber(16);  // a blue ball on 17
    auto* board = control<ui::BoardCursor>(window, "BoardCursor");
    for (int i = 0; i < 6 && QApplication::focusWidget() != board; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), board);

    const auto at = [&](int position, QPointF inCell) {
        QWidget* cell = control(window, QString("Lbl1_%1").arg(position));
        const QPointF logical = QPointF(cell->mapTo(window, QPoint(0, 0))) + inCell;
        return grabbed.pixelColor((logical * grabbed.devicePixelRatio()).toPoint());
    };
    const auto isRing = [](QColor c) { return c.red() > 200 && c.green() > 170 && c.blue() < 100; };
    const auto isGreen = [](QColor c) { return c.green() > 90 && c.red() < 60 && c.blue() < 60; };
    // The band's device rows and columns, one pixel in from the cell's edge.
    const auto bandIsSolid = [&](int position) {
        QWidget* cell = control(window, QString("Lbl1_%1").arg(position));
        const qreal ratio = grabbed.devicePixelRatio();
        const QPoint origin = cell->mapTo(window, QPoint(0, 0)) * ratio;
        const int middleX = origin.x() + int(cell->width() * ratio / 2);
        const int middleY = origin.y() + int(cell->height() * ratio / 2);
        for (int d = int(1 * ratio); d < int(3 * ratio); ++d) {
            if (!isRing(grabbed.pixelColor(middleX, origin.y() + d))) return false;
            if (!isRing(grabbed.pixelColor(origin.x() + d, middleY))) return false;
        }
        return true;
    };

    board->setCurrent(16);
    shoot(window, "board_ring_on_ball");
    EXPECT_TRUE(bandIsSolid(16)) << "ring around the ball on 17";
    const QColor ballMiddle = at(16, {16.5, 7});
    EXPECT_GT(ballMiddle.blue(), ballMiddle.red() + 60) << "the ball still shows inside the ring";

    board->setCurrent(33);
    shoot(window, "board_ring_on_green");
    EXPECT_TRUE(bandIsSolid(33)) << "ring around 34 on the green";
    EXPECT_FALSE(isRing(at(16, {16.5, 2}))) << "one ring only";
    EXPECT_FALSE(isRing(at(33, {16.5, 12.5}))) << "the number itself is not covered";

    QTest::keyClick(board, Qt::Key_Tab);
    shoot(window, "board_without_focus");
    EXPECT_TRUE(isGreen(at(33, {16.5, 2}))) << "no ring without the focus";
}

}  // namespace
}  // namespace ferlow::test
