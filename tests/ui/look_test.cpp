// How the windows look, measured on what they paint, at the screen's scale
// (ui_screenshots_x2 runs these at twice the density): every window is kept as a
// picture under the build tree, the status panels' text reads on their face,
// pictures sit on their control's face, and the logo is drawn as fine as the
// screen.
#include <QDir>
#include <algorithm>
#include <cmath>

#include "ui_fixture.h"

namespace ferlow::test {
namespace {

using Look = UiTest;

// Keeps a picture of window `w` as painted, at the screen's pixel ratio.
QImage shoot(QWidget* w, const QString& file)
{
    const QString folder = qEnvironmentVariable("FERLOW_UI_ARTIFACTS", FERLOW_UI_ARTIFACTS);
    const QImage picture = w ? w->grab().toImage() : QImage();
    EXPECT_TRUE(QDir().mkpath(folder) && picture.save(folder + "/" + file + ".png")) << file.toStdString();
    return picture;
}

// How many pixels of `image` are `wanted`.
int count(const QImage& image, const std::function<bool(QColor)>& wanted)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += wanted(image.pixelColor(x, y));
    return n;
}

// A number the machine disables shows greyed digits; one only locked with its
// window (while another window is open) keeps its black ones.
TEST_F(Look, OnlyADisabledNumberShowsGreyedDigits)
{
    startGame();
    QWidget* eighty = control("FrmFerlow", "Lbl1_79");
    const auto shown = [eighty](bool (*wanted)(QColor)) { return count(eighty->grab().toImage(), wanted); };
    const auto black = [](QColor c) { return c.value() < 60; };
    EXPECT_GT(shown(black), 5);
    chooseMenu("Mnuabt");
    ASSERT_FALSE(window("FrmFerlow")->isEnabled());
    EXPECT_GT(shown(black), 5);
    click(control("Frmabtkeno", "Cmdok"));
    for (int i = 0; i < 10; ++i) pressNumber(i);  // ten picks disable the others
    ASSERT_FALSE(m.main.Lbl1[79].enabled);
    EXPECT_EQ(shown(black), 0);
    EXPECT_GT(shown([](QColor c) { return c.red() > 150 && c.saturation() < 30; }), 5);  // light grey
}

// The WCAG 2 contrast ratio of two sRGB colours, from their relative luminance.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every window after a draw, with the hourglass and a face showing, kept as a
// picture, on a desktop that gives controls a face colour of its own. The four
// status panels carry the numbers the player watches: their grey text reads on
// their face at 4.5 : 1 or better. The hourglass and the faces are drawn on
// nothing: around them shows the face colour of their control.
TEST_F(Look, EveryWindowAfterADraw)
{
    const QPalette desktop = QApplication::palette();
    const QColor warm(214, 204, 178);
    QApplication::setPalette(QPalette(warm));  // windows and buttons alike
    const auto expectOnFace = [&](const QImage& shown, const char* name, const char* picture) {
        QWidget* c = control(name, picture);
        const qreal r = shown.devicePixelRatio();
        const QRect box = QRectF(QPointF(c->mapTo(window(name), QPoint())) * r, QSizeF(c->size()) * r).toAlignedRect();
        for (const QPoint p : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight(),
                               QPoint(box.left() - 1, box.center().y())})
            EXPECT_EQ(shown.pixelColor(p), warm) << picture << " at " << p.x() << "," << p.y();
        EXPECT_NE(shown.pixelColor(box.center()), warm) << picture << " shows no picture";
    };

    views->run([this] { m.startUp(); });
    shoot(window("Ferlowopnscr"), "opening");
    click(control("Ferlowopnscr", "CmdPlay"));
    chooseMenu("Mnupri");
    chooseMenu("Mnustats");
    // Some turns in, with a large credit, so the captions are at their longest.
    m.state.turn = 17;
    m.state.credit = 250000;
    for (int i = 0; i < 10; ++i) pressNumber(i * 7);
    click(control("FrmFerlow", "Cmdbet"));
    QTest::keyClicks(control<QLineEdit>("Frmbet", "Txtfil"), "100");
    shoot(window("Frmbet"), "bet");
    click(control("Frmbet", "Cmdok"));
    click(control("FrmFerlow", "CmdPlay"));
    const QImage main = shoot(window("FrmFerlow"), "main");
    for (const char* panel : {"LblHit", "LblWon", "LblCred", "LblBet"}) {
        // The grey is painted solid in the text's strokes, on the face that
        // shows at the panel's inner corner.
        QWidget* shown = control("FrmFerlow", panel);
        const QImage inside = shown->grab(shown->contentsRect()).toImage();
        const QColor face = inside.pixelColor(0, 0), text(155, 155, 155);
        EXPECT_GT(count(inside, [&](QColor c) { return c == text; }), 10) << panel;
        EXPECT_GE(contrast(text, face), 4.5) << panel << ": on " << face.name().toStdString();
    }
    expectOnFace(main, "FrmFerlow", "PicShow");
    shoot(window("Ferlowprize"), "prize");
    shoot(window("FrmStats"), "stats");
    const char* others[][4] = {{"Mnuabt", "Frmabtkeno", "about", "Cmdok"},
                               {"MnuHlp", "Frmhlpkeno", "help", "CmdClose"},
                               {"Mnuinst", "FrmInsferlow", "instructions", "CmdClose"}};
    for (const auto& [menu, name, file, close] : others) {
        chooseMenu(menu);
        shoot(window(name), file);
        click(control(name, close));
    }
    // The last turn, with a credit that tops the table: the high-score window
    // opens with a face.
    m.state.turn = m.state.turnLimit - 1;
    pickAndBet(0, "100");
    click(control("FrmFerlow", "CmdPlay"));
    expectOnFace(shoot(window("Frmhsc"), "high_scores"), "Frmhsc", "PicFace");
    QApplication::setPalette(desktop);
}

// The detail a picture holds that no twofold enlargement could: how far (root
// mean square, 0 to 1) it is from its half-size copy enlarged again, smoothly or
// by repeating pixels.
double detailBeyondEnlargement(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QImage half = image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double least = 1;
    for (const auto mode : {Qt::SmoothTransformation, Qt::FastTransformation}) {
        const QImage again = half.scaled(image.size(), Qt::IgnoreAspectRatio, mode);
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y), q = again.pixel(x, y);
                for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) sum += d * d;
            }
        least = std::min(least, std::sqrt(sum / (3.0 * image.width() * image.height())) / 255.0);
    }
    return least;
}

// At two device pixels to the point the logo comes from its fine drawing, not
// enlarged from the ordinary file.
TEST_F(Look, TheLogoIsDrawnAsFineAsTheScreen)
{
    if (qApp->devicePixelRatio() < 2) GTEST_SKIP() << "runs at QT_SCALE_FACTOR=2 (ui_screenshots_x2)";
    startGame();
    QWidget* logo = control("FrmFerlow", "Image1");
    const QImage shown = logo->grab(logo->rect().adjusted(3, 3, -3, -3)).toImage();  // clear of the box's edges
    // What the box would show if the ordinary file were enlarged to fit it.
    const QImage file =
        QImage(FERLOW_DATA_DIR "/logo.bmp")
            .scaled(logo->size() * shown.devicePixelRatio(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QRect crop(QPoint(), shown.size());
    crop.moveCenter(file.rect().center());
    const double sharp = detailBeyondEnlargement(shown), blurred = detailBeyondEnlargement(file.copy(crop));
    // The box is a little smaller than the logo, so both are resampled to fit;
    // the measure then credits the enlargement with some detail of its own.
    EXPECT_GE(sharp, 0.04);
    EXPECT_GT(sharp, 1.3 * blurred) << sharp << " against " << blurred;
}

}  // namespace
}  // namespace ferlow::test
