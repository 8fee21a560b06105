// Faults the monkey found (now mended), each reduced to the few events that
// show it: events queued while a draw or a quick pick lets events run.
#include <gtest/gtest.h>

#include <numeric>

#include "engine/machine/machine.h"
#include "support/fake_host.h"
#include "support/game_driver.h"

namespace ferlow::soak {
namespace {

class SoakFindings : public ::testing::Test {
protected:
    test::FakeHost host;
    Machine m{host};
    void SetUp() override { test::startGame(m); }
};

int picksOnTheBoard(const Machine& m) { return static_cast<int>(test::pickedPositions(m).size()); }

int ballsCounted(const Machine& m)
{
    return std::accumulate(m.state.numberStats.begin(), m.state.numberStats.end(), 0);
}

// New Game is offered from the second hit of a draw on. Chosen there, it must
// leave the machine as New Game after the draw would: a fresh credit of 30, an
// empty board and statistics, and no draw still running underneath, paying its
// count into the new game and drawing onto the fresh board.
TEST_F(SoakFindings, NewGameChosenMidDrawEndsTheDraw)
{
    test::pickNumbers(m, test::picksForHits(m, 4, 4));
    test::placeBet(m, "20");
    bool chosen = false;
    host.onEvents = [&] {
        if (!chosen && m.main.item(Menu::Mnungam).enabled) {
            chosen = true;
            m.menuClicked(Menu::Mnungam);
        }
    };
    test::play(m);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(m.state.credit, kStartingCredit);
    EXPECT_EQ(m.state.turn, 0);
    EXPECT_EQ(m.state.spots, 0);
    EXPECT_EQ(picksOnTheBoard(m), 0);
    int balls = 0;
    for (const Marker& marker : m.main.Shp1) balls += marker.visible ? 1 : 0;
    EXPECT_EQ(balls, 0) << "balls fell on the fresh board";
    EXPECT_EQ(ballsCounted(m), 0);
    EXPECT_FALSE(m.main.CmdPlay.enabled);
    EXPECT_FALSE(m.main.Cmdbet.enabled);
    EXPECT_TRUE(m.main.item(Menu::Mnucnum).enabled);
    EXPECT_EQ(m.main.window.pointer, Pointer::Default);
}

// Exit is offered while the balls fall. Answered No during the last turn's
// draw, it must not end the game under the draw: the turn settles, the game
// ends, the good result goes into the high scores, and only then is the game
// reset (after the exit question is asked again).
TEST_F(SoakFindings, ExitAnsweredNoDuringTheLastDrawKeepsTheGamesResult)
{
    for (int turn = 1; turn < kTurnsPerGame; ++turn) test::playTurn(m, 4, 2, "5");
    ASSERT_EQ(m.state.credit, 695);
    test::pickNumbers(m, test::picksForHits(m, 4, 2));
    test::placeBet(m, "5");
    host.answers = {MessageAnswer::No, MessageAnswer::No};
    const int waitsBefore = host.waits;
    bool asked = false;
    host.onEvents = [&] {
        if (!asked && host.waits - waitsBefore == 5) {
            asked = true;
            m.commandClicked(CommandButton::Cmdexit);
        }
    };
    test::play(m);
    ASSERT_TRUE(asked);
    EXPECT_EQ(m.state.highScores[4], 730) << "the game's result of 730 did not reach the high scores";
    EXPECT_TRUE(m.hsc.window.visible);
    EXPECT_TRUE(m.hsc.Txtnam[4].enabled);
    EXPECT_EQ(m.state.credit, kStartingCredit);
    EXPECT_EQ(m.state.turn, 0);
}

// A refused bet leaves the dialog open, and Ok unlocks the main window all the
// same. New Game chosen then empties the board: the bet for the old ticket must
// go with it, or Play is offered for a ticket with no numbers.
TEST_F(SoakFindings, NewGameWithTheBetDialogOpenAbandonsTheBet)
{
    test::playTurn(m, 4, 0, "5");  // a lost turn offers New Game
    m.commandClicked(CommandButton::Cmdbet);
    m.betTextEdited("0");
    m.betOkClicked();
    ASSERT_TRUE(m.betDialog.window.visible);
    ASSERT_TRUE(m.main.window.enabled);

    m.menuClicked(Menu::Mnungam);
    EXPECT_FALSE(m.betDialog.window.visible);
    m.betTextEdited("5");
    m.betOkClicked();
    EXPECT_FALSE(m.main.CmdPlay.enabled && m.state.spots < kMinPicks)
        << "Play is offered with " << m.state.spots << " picks";
}

// Quick Pick lays its balls one by one, letting events run between them. A
// press on the board queued meanwhile must not add a pick to the count chosen.
TEST_F(SoakFindings, QuickPickTakesNoBoardPressesWhileLayingBalls)
{
    bool pressed = false;
    host.onEvents = [&] {
        if (pressed) return;
        pressed = true;
        for (int p = 0; p < kBoardNumbers; ++p) {
            if (m.state.quickPickFlags[static_cast<std::size_t>(p)] == 0) {
                m.numberPressed(p);
                break;
            }
        }
    };
    m.menuOpened(Menu::Mnuqp);
    m.menuClicked(Menu::Mnusix);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(m.state.spots, 6);
    EXPECT_EQ(picksOnTheBoard(m), 6);
}

}  // namespace
}  // namespace ferlow::soak
