// The statistics window's binding: panels show the counts and rating colours the
// machine keeps, the legend shows the six ratings, Close hides the window and
// the close box unloads it.
#include <QLabel>

#include "ui/widgets/decorations.h"
#include "ui/widgets/twips.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

QColor rgb(const Color& c) { return {c.r, c.g, c.b}; }

class StatsWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        startGame();
        chooseMenu("Mnustats");
        ASSERT_NE(views->statsWindow(), nullptr);
    }
    QWidget* window() { return views->statsWindow(); }
    QLabel* panel(int n) { return control<QLabel>(window(), QString("PnlNum_%1").arg(n)); }
};

TEST_F(StatsWindowTest, PanelsShowTheCountsAndRatingColoursOfTheDraw)
{
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->windowTitle(), "Ferlow Statistics");
    EXPECT_EQ(panel(17)->text(), "17,0");

    pickAndOpenBet();
    placeBet("5");
    playTurn();
    int drawn = 0;
    for (int n = 1; n <= kBoardNumbers; ++n) {
        const Label& model = m.stats.panel(n);
        EXPECT_EQ(panel(n)->text().toStdString(), model.caption.text()) << n;
        if (m.state.numberStats[n] == 1) {
            ++drawn;
            EXPECT_EQ(panel(n)->text(), QString("%1,1").arg(n));
            EXPECT_EQ(panel(n)->palette().color(QPalette::Window), QColor(255, 148, 48)) << n;
        } else {
            EXPECT_EQ(panel(n)->palette().color(QPalette::Window), window()->palette().color(QPalette::Button)) << n;
        }
    }
    EXPECT_EQ(drawn, 20);
    const QString centre = control<QLabel>(window(), "Pnlcentre")->text();
    EXPECT_TRUE(centre.contains("Balls out: 20")) << centre.toStdString();
}

TEST_F(StatsWindowTest, PanelsLieOnTheDescribedGrid)
{
    using ui::px;
    EXPECT_EQ(panel(1)->geometry(), QRect(px(60), px(45), px(540), px(300)));
    EXPECT_EQ(panel(80)->geometry(), QRect(px(60 + 9 * 540), px(2490), px(540), px(300)));
    EXPECT_EQ(panel(41)->y(), px(1545));
    const QRect centre = control(window(), "Pnlcentre")->geometry();
    EXPECT_LT(centre.top(), panel(41)->geometry().top());
    EXPECT_GT(centre.bottom(), panel(31)->geometry().bottom());
    EXPECT_EQ(window()->size(), QSize(px(5730 - 120), px(4335 - 405)));
}

TEST_F(StatsWindowTest, TheLegendShowsTheSixRatingsWithTheirColours)
{
    const char* names[] = {"Poor", "Below Average", "Average", "Good", "Great", "Excellent"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(control<QLabel>(window(), QString("Label%1").arg(i + 1))->text(), names[i]);
        auto* shape = control<ui::ShapeView>(window(), QString("Shape_%1").arg(i + 1));
        EXPECT_EQ(shape->colour(), rgb(ratingBands()[i].colour)) << i;
    }
    // Three in each column, each colour at the left of its name.
    EXPECT_EQ(control(window(), "Label1")->x(), control(window(), "Label3")->x());
    EXPECT_GT(control(window(), "Label4")->x(), control(window(), "Label1")->x());
    EXPECT_LT(control(window(), "Shape_5")->x(), control(window(), "Label5")->x());
    EXPECT_EQ(control<QLabel>(window(), "SSPanel2")->text(), QString(20, ' ') + "Number Ratings");
}

TEST_F(StatsWindowTest, CloseHidesButTheCloseBoxUnloads)
{
    pickAndOpenBet();
    placeBet("5");
    playTurn();

    click(control(window(), "CmdClose"));
    ASSERT_NE(views->statsWindow(), nullptr);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_FALSE(menuAction("Mnustats")->isChecked());
    chooseMenu("Mnustats");
    EXPECT_TRUE(window()->isVisible());
    int coloured = 0;
    for (int n = 1; n <= kBoardNumbers; ++n) coloured += panel(n)->text().endsWith(",1");
    EXPECT_EQ(coloured, 20);

    window()->close();
    EXPECT_EQ(views->statsWindow(), nullptr);
    EXPECT_FALSE(menuAction("Mnustats")->isChecked());
    chooseMenu("Mnustats");
    ASSERT_NE(views->statsWindow(), nullptr);
    EXPECT_EQ(panel(17)->text(), "");  // a fresh window, though the counts are kept
}

TEST_F(StatsWindowTest, OnlyTheBareBackgroundBeeps)
{
    click(panel(5));
    EXPECT_EQ(host.beeps, 0);
    // The margin left of the grid.
    const QRect a = panel(1)->geometry();
    clickAt(window(), {a.left() - 2, a.center().y()});
    EXPECT_EQ(host.beeps, 1);
}

}  // namespace
}  // namespace ferlow::test
