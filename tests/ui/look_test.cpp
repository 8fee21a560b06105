// How the windows look, measured on what they paint, at the screen's scale
// (ui_screenshots_x2 runs these at twice the density): every window is kept as a
// picture under the build tree, the status panels' text reads on their face,
// pictures sit on their control's face, and the logo is drawn as fine as the
// screen. Also the help page's words for screen readers.
#include <QDir>
#include <algorithm>
#include <cmath>

#include "engine/help_page.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class Look : public UiTest {
protected:
    // Keeps a picture of `name` as painted, at the screen's pixel ratio.
    QImage shoot(const char* name, const QString& file)
    {
        QWidget* w = window(name);
        EXPECT_NE(w, nullptr) << name;
        if (!w) return {};
        const QString folder = qEnvironmentVariable("FERLOW_UI_ARTIFACTS", FERLOW_UI_ARTIFACTS);
        const QImage picture = w->grab().toImage();
        EXPECT_TRUE(QDir().mkpath(folder) && picture.save(folder + "/" + file + ".png")) << file.toStdString();
        return picture;
    }
    // Where `control` of window `name` lies in a picture of that window.
    QRect inPicture(const QImage& picture, const char* name, const char* control, QRect area = {})
    {
        QWidget* c = this->control(name, control);
        if (area.isNull()) area = c->rect();
        const qreal r = picture.devicePixelRatio();
        return QRectF(QPointF(c->mapTo(window(name), area.topLeft())) * r, QSizeF(area.size()) * r).toAlignedRect();
    }
};

// How many pixels of `area` in `image` (all of it when empty) are `wanted`.
int count(const QImage& image, const std::function<bool(QColor)>& wanted, QRect area = {})
{
    if (area.isEmpty()) area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += wanted(image.pixelColor(x, y));
    return n;
}
bool black(QColor c) { return c.value() < 60; }
bool lightGrey(QColor c) { return c.red() > 150 && c.saturation() < 30; }

// A number the machine disables shows greyed digits; one only locked with its
// window (while another window is open) keeps its black ones.
TEST_F(Look, OnlyADisabledNumberShowsGreyedDigits)
{
    startGame();
    QWidget* eighty = control("FrmFerlow", "Lbl1_79");
    EXPECT_GT(count(eighty->grab().toImage(), black), 5);
    chooseMenu("Mnuabt");
    ASSERT_FALSE(window("FrmFerlow")->isEnabled());
    EXPECT_GT(count(eighty->grab().toImage(), black), 5);
    click(control("Frmabtkeno", "Cmdok"));
    for (int i = 0; i < 10; ++i) pressNumber(i);  // ten picks disable the others
    ASSERT_FALSE(m.main.Lbl1[79].enabled);
    EXPECT_EQ(count(eighty->grab().toImage(), black), 0);
    EXPECT_GT(count(eighty->grab().toImage(), lightGrey), 5);
}

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

// Every window after a draw, with the hourglass and a face showing, kept as a
// picture, on a desktop that gives controls a face colour of its own. The four
// status panels carry the numbers the player watches: their grey text reads on
// their face at 4.5 : 1 or better. The hourglass and the faces are drawn on
// nothing: around them shows the face colour of their control.
TEST_F(Look, EveryWindowAfterADraw)
{
    const QPalette desktop = QApplication::palette();
    QPalette theme = desktop;
    const QColor warm(214, 204, 178);
    theme.setColor(QPalette::Window, warm);
    theme.setColor(QPalette::Button, warm);
    QApplication::setPalette(theme);
    const auto expectOnFace = [&](const QImage& shown, const char* name, const char* control) {
        const QRect box = inPicture(shown, name, control);
        for (const QPoint p : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight(),
                               QPoint(box.left() - 1, box.center().y())})
            EXPECT_EQ(shown.pixelColor(p), warm) << control << " at " << p.x() << "," << p.y();
        EXPECT_NE(shown.pixelColor(box.center()), warm) << control << " shows no picture";
    };

    views->run([this] { m.startUp(); });
    shoot("Ferlowopnscr", "opening");
    click(control("Ferlowopnscr", "CmdPlay"));
    chooseMenu("Mnupri");
    chooseMenu("Mnustats");
    // Some turns in, with a large credit, so the captions are at their longest.
    m.state.turn = 17;
    m.state.credit = 250000;
    for (int i = 0; i < 10; ++i) pressNumber(i * 7);
    click(control("FrmFerlow", "Cmdbet"));
    QTest::keyClicks(control<QLineEdit>("Frmbet", "Txtfil"), "100");
    shoot("Frmbet", "bet");
    click(control("Frmbet", "Cmdok"));
    playTurn();
    const QImage main = shoot("FrmFerlow", "main");
    for (const char* panel : {"LblHit", "LblWon", "LblCred", "LblBet"}) {
        // The grey is painted solid in the text's strokes, on the face that
        // shows at the panel's inner corner.
        const QRect area = inPicture(main, "FrmFerlow", panel, control("FrmFerlow", panel)->contentsRect());
        const QColor face = main.pixelColor(area.topLeft()), text(155, 155, 155);
        const auto isText = [&](QColor c) { return c == text; };
        EXPECT_GT(count(main, isText, area), 10) << panel;
        EXPECT_GE(contrast(text, face), 4.5) << panel << ": on " << face.name().toStdString();
    }
    expectOnFace(main, "FrmFerlow", "PicShow");
    shoot("Ferlowprize", "prize");
    shoot("FrmStats", "stats");
    const char* others[][4] = {{"Mnuabt", "Frmabtkeno", "about", "Cmdok"},
                               {"MnuHlp", "Frmhlpkeno", "help", "CmdClose"},
                               {"Mnuinst", "FrmInsferlow", "instructions", "CmdClose"}};
    for (const auto& [menu, name, file, close] : others) {
        chooseMenu(menu);
        shoot(name, file);
        click(control(name, close));
    }
    // The last turn, with a credit that tops the table: the high-score window
    // opens with a face.
    m.state.turn = m.state.turnLimit - 1;
    pickAndBet(0, "100");
    playTurn();
    expectOnFace(shoot("Frmhsc", "high_scores"), "Frmhsc", "PicFace");
    QApplication::setPalette(desktop);
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

// The detail a picture holds that no twofold enlargement could: how far it is
// from its half-size copy enlarged again, smoothly or by repeating pixels.
double detailBeyondEnlargement(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QImage half = image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return std::min(rmse(image, half.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
                    rmse(image, half.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

// At two device pixels to the point the logo comes from its fine drawing, not
// enlarged from the ordinary file.
TEST_F(Look, TheLogoIsDrawnAsFineAsTheScreen)
{
    startGame();
    const QImage shown = shoot("FrmFerlow", "logo");
    const qreal ratio = shown.devicePixelRatio();
    if (ratio < 2) GTEST_SKIP() << "runs at QT_SCALE_FACTOR=2 (ui_screenshots_x2)";
    QWidget* logo = control("FrmFerlow", "Image1");
    const QRect inner = logo->rect().adjusted(3, 3, -3, -3);  // clear of the box's edges
    // What the box would show if the ordinary file were enlarged to fit it.
    const QImage file =
        QImage(FERLOW_DATA_DIR "/logo.bmp").scaled(logo->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QSize crop = inner.size() * ratio;
    const QPoint corner((file.width() - crop.width()) / 2, (file.height() - crop.height()) / 2);
    const double sharp = detailBeyondEnlargement(shown.copy(inPicture(shown, "FrmFerlow", "Image1", inner)));
    const double blurred = detailBeyondEnlargement(file.copy(QRect(corner, crop)));
    // The box is a little smaller than the logo, so both are resampled to fit;
    // the measure then credits the enlargement with some detail of its own.
    EXPECT_GE(sharp, 0.04);
    EXPECT_GT(sharp, 1.3 * blurred) << sharp << " against " << blurred;
}

// A screen reader cannot read the help page's picture: it is given the page's
// words, every section, as plain sentences.
TEST_F(Look, TheHelpWindowGivesScreenReadersThePagesWords)
{
    startGame();
    chooseMenu("MnuHlp");
    const QString words = spoken(control("Frmhlpkeno", "Image1"), QAccessible::Description);
    EXPECT_TRUE(words.startsWith(help::kTitle)) << words.toStdString();
    for (const help::Section& section : help::kSections) EXPECT_TRUE(words.contains(section.title)) << section.title;
    for (const char* markup : {"**", "[", "]"}) EXPECT_FALSE(words.contains(markup)) << markup;
}

}  // namespace
}  // namespace ferlow::test
