// Start-up, the opening window, New Game, the reset after a game and the end.
#include <gtest/gtest.h>

#include "engine/machine/machine.h"
#include "support/game_driver.h"

namespace ferlow {
namespace {

class StartUpTest : public ::testing::Test {
protected:
    test::FakeHost host;
    Machine m{host};
};

TEST_F(StartUpTest, FreshStartHoldsANewGameWithDefaultSettings)
{
    m.startUp();
    const GameState& s = m.state;
    EXPECT_EQ(s.credit, 30);
    EXPECT_EQ(s.turn, 0);
    EXPECT_EQ(s.turnLimit, 20);
    EXPECT_EQ(s.spots, 0);
    EXPECT_EQ(s.difficulty, Difficulty::Easy);
    EXPECT_EQ(s.ballsPerDraw, 20);
    EXPECT_EQ(s.soundMode, SoundMode::Off);
    EXPECT_EQ(s.scoreStyle, ScoreStyle::Slow);
    EXPECT_EQ(s.minWinHits, 2);
    EXPECT_EQ(s.prizeDivisor, 2);

    // The status panels keep their design captions until a value is written.
    EXPECT_EQ(m.main.LblCred.caption.text(), "Credit");
    EXPECT_EQ(m.main.LblcredS.caption.text(), "Credit");
    EXPECT_EQ(m.main.LblHit.caption.text(), "Hits");
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won");
    EXPECT_EQ(m.main.LblBet.caption.text(), "Bet");
    EXPECT_EQ(m.main.LblCred.fore, Color::rgb(155, 155, 155));

    EXPECT_TRUE(m.main.item(Menu::Mnueasy).checked);
    EXPECT_TRUE(m.main.item(Menu::MnuSlow).checked);
    EXPECT_FALSE(m.main.item(Menu::MnuFast).checked);
    EXPECT_TRUE(m.main.item(Menu::Mnuoff).checked);
    EXPECT_FALSE(m.main.item(Menu::Mnuon).checked);
    EXPECT_FALSE(m.main.item(Menu::Mnungam).enabled);
    EXPECT_FALSE(m.main.CmdPlay.enabled);
    EXPECT_FALSE(m.main.Cmdbet.enabled);
    EXPECT_TRUE(m.main.Cmdexit.enabled);
    EXPECT_EQ(m.main.PicShow.picture.file, "hg1.bmp");
    EXPECT_EQ(m.main.PicShow.tooltip, "You have 20 turns");
    EXPECT_EQ(m.main.SSPNum.caption.text(), "Easy");

    for (int i = 0; i < kBoardNumbers; ++i) {
        EXPECT_FALSE(m.main.Shp1[i].visible);
        EXPECT_EQ(m.main.Shp1[i].image, ListImage::Picked);
        EXPECT_TRUE(m.main.Lbl1[i].enabled);
        EXPECT_EQ(m.main.Lbl1[i].caption.text(), std::to_string(i + 1));
    }
}

TEST_F(StartUpTest, OpeningWindowShowsFirstAndPlayBringsUpTheMainWindow)
{
    m.startUp();
    EXPECT_TRUE(m.opening.window.visible);
    EXPECT_EQ(m.opening.window.width, 7485);
    EXPECT_EQ(m.opening.window.left, (1024 * 15 - 7485) / 2.0);
    EXPECT_EQ(m.opening.Picture1.picture.file, "Australian.bmp");
    EXPECT_GE(host.eventPasses, 1);  // it paints before the main window loads
    EXPECT_TRUE(m.main.window.loaded);
    EXPECT_FALSE(m.main.window.visible);
    EXPECT_TRUE(m.instructions.window.loaded);
    EXPECT_FALSE(m.instructions.window.visible);

    m.openingPlayClicked();
    EXPECT_TRUE(m.main.window.visible);
    EXPECT_FALSE(m.opening.window.visible);
    EXPECT_FALSE(m.opening.window.loaded);
}

TEST_F(StartUpTest, ClosingTheOpeningWindowByItsFrameAlsoShowsTheMainWindow)
{
    m.startUp();
    m.openingClosed();
    EXPECT_TRUE(m.main.window.visible);
    EXPECT_FALSE(m.opening.window.loaded);
}

TEST_F(StartUpTest, LoadPlacesWindowsAndFillsTheHiddenOnes)
{
    m.startUp();
    EXPECT_EQ(m.main.window.width, 7250);
    EXPECT_EQ(m.main.window.height, 5150);
    // Main and prize window centred across, main and statistics top to bottom,
    // with the width the main window had before its last resize.
    EXPECT_EQ(m.main.window.left, (1024 * 15 - (7260 + 2550)) / 2.0);
    EXPECT_EQ(m.main.window.top, (768 * 15 - (5150 + 4335)) / 2.0);

    EXPECT_TRUE(m.prize.window.loaded);
    EXPECT_FALSE(m.prize.window.visible);
    EXPECT_EQ(m.prize.row(10).caption.text(), " 10 Out of 10  2,000");
    EXPECT_EQ(m.prize.row(2).caption.text(), " 2 Out of 10  10");

    EXPECT_TRUE(m.stats.window.loaded);
    EXPECT_EQ(m.stats.window.height, 4335);
    EXPECT_EQ(m.stats.panel(17).caption.text(), "17,0");
    EXPECT_EQ(m.stats.panel(17).back, Color::buttonFace());
    EXPECT_EQ(m.stats.legendShapes[0], Color::rgb(255, 148, 48));
    EXPECT_EQ(m.stats.legendShapes[5], Color::rgb(247, 249, 2));

    EXPECT_TRUE(m.hsc.window.loaded);
    EXPECT_FALSE(m.hsc.window.visible);
    EXPECT_EQ(m.hsc.LblLoss.caption.text(), "You lost 0 credits");
    EXPECT_TRUE(m.hsc.PicFace.visible);
    EXPECT_TRUE(m.hsc.PicFace.picture.file.empty());  // no rating yet: no face
}

TEST_F(StartUpTest, OpeningSoundPlaysAndTheGeneratorIsSeededFromTheClock)
{
    host.clock = 45678;
    m.startUp();
    ASSERT_EQ(host.sounds.size(), 1u);
    EXPECT_EQ(host.sounds[0].path, "ferlow.wav");
    EXPECT_EQ(host.sounds[0].mode, PlayMode::Async);
    Random expected(45678);
    EXPECT_EQ(m.random.next(), expected.next());
}

TEST_F(StartUpTest, NewGameKeepsSettingsAndTheLastWin)
{
    m.startUp();
    m.openingPlayClicked();
    m.menuClicked(Menu::Mnuhard);
    m.menuClicked(Menu::MnuFast);
    m.menuClicked(Menu::Mnuon);
    // A game in progress.
    m.state.credit = 145;
    m.state.turn = 7;
    m.state.won = 150;
    m.state.bet = 10;
    m.state.hits = 3;
    m.state.spots = 5;
    m.state.numberStats[12] = 4;
    m.state.betHeld = true;
    m.main.Shp1[11].visible = true;
    m.main.Lbl1[11].enabled = false;
    m.main.item(Menu::Mnuseven).checked = true;
    m.main.item(Menu::Mnuqp).enabled = false;
    m.main.item(Menu::Mnugtyp).enabled = false;
    m.main.item(Menu::Mnungam).enabled = true;
    m.main.Cmdbet.enabled = true;

    m.menuClicked(Menu::Mnungam);

    EXPECT_EQ(m.state.credit, 30);
    EXPECT_EQ(m.state.turn, 0);
    EXPECT_EQ(m.state.spots, 0);
    EXPECT_EQ(m.state.numberStats[12], 0);
    EXPECT_FALSE(m.state.betHeld);
    EXPECT_EQ(m.state.difficulty, Difficulty::Hard);
    EXPECT_EQ(m.state.scoreStyle, ScoreStyle::Fast);
    EXPECT_EQ(m.state.soundMode, SoundMode::On);
    EXPECT_TRUE(m.main.item(Menu::Mnuhard).checked);
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won 150");
    EXPECT_EQ(m.main.LblwonS.caption.text(), "Won 150");
    EXPECT_EQ(m.main.LblCred.caption.text(), "Credit 30");
    EXPECT_EQ(m.main.LblcredS.caption.text(), "Credit 30");
    EXPECT_EQ(m.main.LblHit.caption.text(), "Hits  0");
    EXPECT_EQ(m.main.LblBet.caption.text(), "Bet 0");
    EXPECT_FALSE(m.main.Shp1[11].visible);
    EXPECT_TRUE(m.main.Lbl1[11].enabled);
    EXPECT_FALSE(m.main.item(Menu::Mnuseven).checked);
    EXPECT_TRUE(m.main.item(Menu::Mnuqp).enabled);
    EXPECT_TRUE(m.main.item(Menu::Mnugtyp).enabled);
    EXPECT_FALSE(m.main.Cmdbet.enabled);
    EXPECT_EQ(m.stats.panel(13).caption.text(), "13,0");
}

TEST_F(StartUpTest, ResetAfterAGameStartsFreshButKeepsTheStatistics)
{
    // A whole game with a held bet, the exit question answered No at its end.
    m.startUp();
    m.openingPlayClicked();
    host.answers = {MessageAnswer::No};
    for (int turn = 1; turn <= kTurnsPerGame; ++turn) {
        test::pickNumbers(m, test::picksForHits(m, 4, 2));
        m.commandClicked(CommandButton::Cmdbet);
        if (turn == 1) {
            m.betAmountClicked(BetAmount::Cmd20);
            m.betHoldClicked();
        }
        m.betOkClicked();
        test::play(m);
    }
    int drawn = 1;
    while (m.state.numberStats[drawn] == 0) ++drawn;

    EXPECT_EQ(m.state.credit, 30);
    EXPECT_EQ(m.state.turn, 0);
    EXPECT_EQ(m.state.won, 0);
    EXPECT_EQ(m.state.heldBet, 0);
    EXPECT_EQ(m.betDialog.fillinWidthTwips, 0);
    EXPECT_EQ(m.main.LblCred.caption.text(), "Credit 30");
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won 0");
    EXPECT_EQ(m.main.PicShow.tooltip, "You have 20 turns");
    EXPECT_EQ(m.hsc.Lblpercent.caption.text(), "");
    EXPECT_EQ(m.stats.panel(drawn).caption.text(),
              std::to_string(drawn) + "," + std::to_string(m.state.numberStats[drawn]));  // counts stay
    EXPECT_EQ(m.stats.panel(drawn).back, Color::buttonFace());                            // colours go
}

TEST_F(StartUpTest, StatusLabelsRewriteThemselvesFromTheState)
{
    m.startUp();
    m.state.credit = 12345;
    m.main.LblcredS.caption.set("anything");
    EXPECT_EQ(m.main.LblcredS.caption.text(), "Credit 12,345");
    EXPECT_EQ(m.main.LblCred.caption.text(), "Credit 12,345");
    m.state.hits = 3;
    m.main.LblhitS.caption.set("x");
    EXPECT_EQ(m.main.LblhitS.caption.text(), "Hits  3");
    m.state.bet = 2.5;
    m.main.LblbetS.caption.set("x");
    EXPECT_EQ(m.main.LblbetS.caption.text(), "Bet 3");
}

TEST_F(StartUpTest, ClosingTheMainWindowEndsTheProgram)
{
    m.startUp();
    m.openingPlayClicked();
    m.mainClosed();
    EXPECT_TRUE(host.quitCalled);
    EXPECT_TRUE(m.ended());
    EXPECT_FALSE(m.main.window.loaded);
    EXPECT_FALSE(m.prize.window.loaded);
    EXPECT_FALSE(m.stats.window.loaded);
    EXPECT_FALSE(m.hsc.window.loaded);
    // Nothing runs after the end.
    m.state.credit = 99;
    m.main.item(Menu::Mnungam).enabled = true;
    m.menuClicked(Menu::Mnungam);
    EXPECT_EQ(m.state.credit, 99);
}

TEST_F(StartUpTest, ActivatingTheMainWindowRestoresTheArrow)
{
    m.startUp();
    m.main.window.pointer = Pointer::Hourglass;
    m.mainActivated();
    EXPECT_EQ(m.main.window.pointer, Pointer::Default);
}

}  // namespace
}  // namespace ferlow
