// The prize window's binding: its rows show what the machine writes, Close by
// click or Enter unloads it, and presses on its background beep.
#include <QLabel>

#include "engine/media_catalog.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class PrizeWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        startGame();
        chooseMenu("Mnupri");
        ASSERT_NE(views->prizeWindow(), nullptr);
    }
    QWidget* window() { return views->prizeWindow(); }
    QString row(int hits) { return control<QLabel>(window(), QString("Lblpri_%1").arg(hits))->text(); }
    int ticks() const
    {
        int n = 0;
        for (const PlayedSound& s : host.sounds) n += s.path.ends_with(files::kTickSound);
        return n;
    }
};

TEST_F(PrizeWindowTest, ShowsTheInitialTableThenWhatTheDrawWrites)
{
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->windowTitle(), "Prizes");
    EXPECT_EQ(row(10), " 10 Out of 10  2,000");
    EXPECT_EQ(row(2), " 2 Out of 10  10");

    pickAndOpenBet(5);
    placeBet("10");
    playTurn();
    for (int h = 2; h <= 10; ++h) {
        EXPECT_EQ(row(h).toStdString(), m.prize.row(h).caption.text()) << h;
        EXPECT_EQ(control<QLabel>(window(), QString("Lblpri_%1").arg(h))->isVisible(), m.prize.row(h).visible) << h;
    }
    // Five spots: the rows above five hits are emptied.
    EXPECT_EQ(row(6), "");
    EXPECT_TRUE(row(5).startsWith(" 5 Out of 5"));
}

TEST_F(PrizeWindowTest, RowColoursFollowTheModel)
{
    m.prize.row(4).fore = palette::brightRed;
    views->syncAll();
    EXPECT_EQ(control<QLabel>(window(), "Lblpri_4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    m.prize.row(4).fore = Color::buttonText();
    views->syncAll();
    EXPECT_NE(control<QLabel>(window(), "Lblpri_4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(PrizeWindowTest, CloseUnloadsTheWindowAndUnchecksTheMenuItem)
{
    const int before = ticks();
    click(control(window(), "CmdClose"));
    EXPECT_EQ(views->prizeWindow(), nullptr);
    EXPECT_FALSE(m.prize.window.loaded);
    EXPECT_FALSE(menuAction("Mnupri")->isChecked());
    EXPECT_EQ(ticks(), before + 1);

    // Shown again, it starts from the initial table.
    chooseMenu("Mnupri");
    ASSERT_NE(views->prizeWindow(), nullptr);
    EXPECT_EQ(row(10), " 10 Out of 10  2,000");
}

TEST_F(PrizeWindowTest, EnterOnTheFocusedCloseUnloadsWithoutATick)
{
    const int before = ticks();
    QWidget* close = control(window(), "CmdClose");
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_EQ(views->prizeWindow(), nullptr);
    EXPECT_EQ(ticks(), before);
}

TEST_F(PrizeWindowTest, TheBackgroundBeepsAndTheRowsDoNot)
{
    clickAt(window(), {2, 2});
    EXPECT_EQ(host.beeps, 1);
    click(control(window(), "Lblpri_6"));
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(PrizeWindowTest, ALockedWindowIgnoresItsCloseBox)
{
    pickAndOpenBet();
    EXPECT_FALSE(window()->isEnabled());
    window()->close();
    EXPECT_TRUE(m.prize.window.loaded);
    EXPECT_TRUE(window()->isVisible());

    placeBet("5");
    EXPECT_TRUE(window()->isEnabled());
    window()->close();
    EXPECT_EQ(views->prizeWindow(), nullptr);
    EXPECT_FALSE(menuAction("Mnupri")->isChecked());
}

}  // namespace
}  // namespace ferlow::test
