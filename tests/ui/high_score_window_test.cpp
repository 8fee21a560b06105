// The high-score window's binding: names typed through real keys and pasted text
// pass the machine's filter, the tenth letter locks the field, Enter, Close and
// the close box end the entry, and viewing from the menu locks every field.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class HighScoreWindowTest : public UiTest {
protected:
    void SetUp() override { startGame(); }
    QWidget* window() { return views->highScoreWindow(); }
    QLineEdit* name(int place) { return control<QLineEdit>(window(), QString("Txtnam%1").arg(place)); }

    // Plays the last turn of a game with a credit that tops the table: the game
    // ends and the window opens for the winner's name in place 1.
    void finishAWinningGame()
    {
        pickAndOpenBet();
        placeBet("1");
        m.state.turn = m.state.turnLimit - 1;
        m.state.credit = 10000;
        playTurn();
        ASSERT_NE(window(), nullptr);
        ASSERT_TRUE(window()->isVisible());
    }
    // Opens place `place` for a name while the window is shown for viewing.
    void openField(int place)
    {
        chooseMenu("Mnuvhsc");
        m.hsc.Txtnam[place - 1].enabled = true;
        m.hsc.Txtnam[place - 1].back = palette::yellow;
        m.hsc.Txtnam[place - 1].text.clear();
        views->syncAll();
        name(place)->setFocus();
    }
};

TEST_F(HighScoreWindowTest, AWinningGameOpensTheFirstPlaceAndTypedKeysAreFiltered)
{
    finishAWinningGame();
    EXPECT_TRUE(control(window(), "Lblsign")->isVisible());
    EXPECT_EQ(control<QLabel>(window(), "Lblsign")->text(), "Please enter your Name below. ");
    QLineEdit* field = name(1);
    EXPECT_TRUE(field->isEnabled());
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(255, 255, 0));
    for (int place = 2; place <= 5; ++place) EXPECT_FALSE(name(place)->isEnabled()) << place;
    EXPECT_EQ(control<QLabel>(window(), "Lblhi1")->text().toStdString(), m.hsc.Lblhi[0].caption.text());

    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "A1b");
    EXPECT_EQ(field->text(), "Anb");
    EXPECT_EQ(m.hsc.Txtnam[0].text, "Anb");
    EXPECT_NE(field->palette().color(QPalette::Base), QColor(255, 255, 0));
    // A letter beyond ASCII is no letter of a name either.
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_E, QString::fromUtf8("\u00e9"), Qt::NoModifier);
    EXPECT_EQ(field->text(), "Anbn");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(m.hsc.Txtnam[0].text, "Anb");

    const int writes = host.writes;
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_GT(host.writes, writes);
    EXPECT_EQ(host.stored[0].name, "Anb");
    EXPECT_FALSE(field->isEnabled());
    EXPECT_TRUE(views->mainWindow()->isEnabled());
    EXPECT_TRUE(control(views->mainWindow(), "Cmdbet")->isEnabled());
}

TEST_F(HighScoreWindowTest, PastedTextIsFilteredLikeTypedKeys)
{
    openField(3);
    QApplication::clipboard()->setText("Jo, \"Bo\"");
    QTest::keyClick(name(3), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name(3)->text(), "JonnnBon");
    EXPECT_EQ(m.hsc.Txtnam[2].text, "JonnnBon");
}

TEST_F(HighScoreWindowTest, TheTenthLetterLocksTheFieldAndSaves)
{
    openField(2);
    const int writes = host.writes;
    QTest::keyClicks(name(2), "Maximilianus");
    EXPECT_EQ(name(2)->text(), "Maximilian");
    EXPECT_FALSE(name(2)->isEnabled());
    EXPECT_EQ(host.writes, writes + 1);
    EXPECT_TRUE(window()->isVisible());  // the entry goes on until Close or Enter
}

TEST_F(HighScoreWindowTest, ViewingLocksEveryFieldAndCloseUnlocksTheOtherWindows)
{
    chooseMenu("Mnuvhsc");
    ASSERT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->windowTitle(), "High Scores");
    for (int place = 1; place <= 5; ++place) {
        EXPECT_FALSE(name(place)->isEnabled()) << place;
        EXPECT_EQ(name(place)->text().toStdString(), m.hsc.Txtnam[place - 1].text);
    }
    EXPECT_FALSE(views->mainWindow()->isEnabled());
    EXPECT_FALSE(views->prizeWindow()->isEnabled());
    EXPECT_FALSE(views->statsWindow()->isEnabled());
    EXPECT_EQ(control<QLabel>(window(), "LblLoss")->text(), "You lost 0 credits");
    EXPECT_TRUE(control<QLabel>(window(), "Lblp1")->text().endsWith(" of Average"));

    click(control(window(), "CmdClose"));
    EXPECT_FALSE(window()->isVisible());
    EXPECT_NE(views->highScoreWindow(), nullptr);  // hidden, never destroyed
    EXPECT_TRUE(views->mainWindow()->isEnabled());
    EXPECT_TRUE(views->prizeWindow()->isEnabled());
    EXPECT_TRUE(views->statsWindow()->isEnabled());
}

TEST_F(HighScoreWindowTest, TheCloseBoxActsAsClose)
{
    finishAWinningGame();
    QTest::keyClicks(name(1), "Zed");
    window()->close();
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(host.stored[0].name, "Zed");
    EXPECT_TRUE(views->mainWindow()->isEnabled());
}

TEST_F(HighScoreWindowTest, EnterOnTheFocusedCloseEndsTheEntry)
{
    finishAWinningGame();
    QTest::keyClick(control(window(), "CmdClose"), Qt::Key_Return);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(host.stored[0].name, "Ferlow");  // an empty name is saved as the default
}

}  // namespace
}  // namespace ferlow::test
