// Every window in a typical state: its texts must show whole in this desktop's
// fonts, and a picture of it is kept under the build tree for people to look at.
#include <QDir>
#include <QLineEdit>

#include "layout_check.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class Screenshots : public UiTest {
protected:
    void shoot(QWidget* window, const QString& name)
    {
        ASSERT_NE(window, nullptr) << name.toStdString();
        ASSERT_TRUE(window->isVisible()) << name.toStdString();
        const QString folder = qEnvironmentVariable("FERLOW_UI_ARTIFACTS", FERLOW_UI_ARTIFACTS);
        QDir().mkpath(folder);
        EXPECT_TRUE(window->grab().save(folder + "/" + name + ".png")) << name.toStdString();
        const QStringList clipped = clippedTexts(window);
        EXPECT_TRUE(clipped.isEmpty()) << name.toStdString() << ":\n  " << clipped.join("\n  ").toStdString();
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

}  // namespace
}  // namespace ferlow::test
