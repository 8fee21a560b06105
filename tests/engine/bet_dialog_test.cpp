// The bet dialog: opening it for a turn, the amounts the credit allows, the
// amount field, Hold, and the three refusals.
#include <gtest/gtest.h>

#include "engine/rules/amount_text.h"
#include "support/game_driver.h"

namespace ferlow {
namespace {

class BetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::startGame(m);
        test::pickNumbers(m, {0, 1, 2, 3});
    }
    void openWithCredit(double credit)
    {
        m.state.credit = credit;
        m.commandClicked(CommandButton::Cmdbet);
    }
    std::vector<bool> amountButtons() const
    {
        const BetScreen& b = m.betDialog;
        return {b.Cmd5.enabled, b.Cmd10.enabled, b.Cmd20.enabled, b.Cmd50.enabled, b.Cmd100.enabled, b.Cmdall.enabled};
    }

    test::FakeHost host;
    Machine m{host};
};

TEST(AmountText, ReadsTheLeadingNumber)
{
    EXPECT_EQ(amountValue(""), 0);
    EXPECT_EQ(amountValue("abc"), 0);
    EXPECT_EQ(amountValue("12abc"), 12);
    EXPECT_EQ(amountValue(" 25"), 25);
    EXPECT_EQ(amountValue("1 0"), 10);
    EXPECT_EQ(amountValue("2.5"), 2.5);
    EXPECT_EQ(amountValue(".5"), 0.5);
    EXPECT_EQ(amountValue("-3"), -3);
    EXPECT_EQ(amountValue("3.4.5"), 3.4);
    EXPECT_EQ(amountValue("1e3"), 1);
    EXPECT_EQ(amountValue("+7x"), 7);
    EXPECT_EQ(amountValue("-"), 0);
    EXPECT_GT(amountValue(std::string(1000, '9')), 100);
    EXPECT_EQ(amountValue(std::string(600, '0') + "5"), 5);
    EXPECT_EQ(amountValue("0." + std::string(600, '0') + "1"), 0);
}

TEST_F(BetTest, OpeningLocksTheBoardAndTheOtherWindows)
{
    openWithCredit(30);
    EXPECT_TRUE(m.betDialog.window.visible);
    EXPECT_FALSE(m.main.window.enabled);
    EXPECT_FALSE(m.prize.window.enabled);
    EXPECT_FALSE(m.stats.window.enabled);
    EXPECT_FALSE(m.main.Cmdexit.enabled);
    EXPECT_FALSE(m.main.Cmdbet.enabled);
    EXPECT_FALSE(m.betDialog.Cmdok.enabled);
    EXPECT_FALSE(m.main.item(Menu::Mnucnum).enabled);
    EXPECT_FALSE(m.main.item(Menu::Mnugtyp).enabled);
    EXPECT_FALSE(m.main.item(Menu::MnuScStyl).enabled);
    EXPECT_FALSE(m.main.item(Menu::Mnuqp).enabled);
    for (const Label& label : m.main.Lbl1) EXPECT_FALSE(label.enabled);
    EXPECT_EQ(m.betDialog.Lblturn.caption.text(), "Turn No.  1");
    EXPECT_EQ(m.main.LblHit.caption.text(), "Hits  0");
    EXPECT_EQ(m.main.LblBet.caption.text(), "Bet 0");
    EXPECT_EQ(m.betDialog.fillinWidthTwips, 58);
    EXPECT_EQ(m.betDialog.window.left, (1024 * 15 - 4560) / 2.0);
}

TEST_F(BetTest, AmountButtonsFollowTheCredit)
{
    openWithCredit(3);
    EXPECT_EQ(amountButtons(), (std::vector<bool>{false, false, false, false, false, true}));
    m.betAmountClicked(BetAmount::Cmdall);
    EXPECT_EQ(m.betDialog.Txtfil.text, "3");
    m.betAmountClicked(BetAmount::Cmd5);  // a disabled button does nothing
    EXPECT_EQ(m.betDialog.Txtfil.text, "3");
    m.betOkClicked();

    // A later opening with more credit turns the buttons on again.
    m.state.credit = 150;
    m.commandClicked(CommandButton::CmdPlay);
    m.state.credit = 150;
    m.commandClicked(CommandButton::Cmdbet);
    EXPECT_EQ(amountButtons(), (std::vector<bool>{true, true, true, true, true, false}));
}

TEST_F(BetTest, AmountButtonsAtEachThreshold)
{
    m.state.credit = 9.5;
    m.commandClicked(CommandButton::Cmdbet);
    EXPECT_EQ(amountButtons(), (std::vector<bool>{true, false, false, false, false, true}));
    m.betTextEdited("1");
    m.betOkClicked();
    test::play(m);
    m.state.credit = 50;
    m.commandClicked(CommandButton::Cmdbet);
    EXPECT_EQ(amountButtons(), (std::vector<bool>{true, true, true, true, false, true}));
}

TEST_F(BetTest, RefusalsNameTheirReason)
{
    openWithCredit(60);
    m.betTextEdited("0");
    m.betOkClicked();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Bet too low");
    EXPECT_EQ(host.messages[0].text, "Zero is not a valid bet. Bet 1 or more.");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(host.beeps, 1);

    m.betTextEdited("-5");
    m.betOkClicked();
    EXPECT_EQ(host.messages.back().title, "Bet too low");

    m.betTextEdited("120");
    m.betOkClicked();
    EXPECT_EQ(host.messages.back().title, "Bet Exceeds limit");
    EXPECT_EQ(host.messages.back().text, "Is 100 Credits, bet 100 or less.");

    m.betTextEdited("70");
    m.betOkClicked();
    EXPECT_EQ(host.messages.back().title, "Credit too low");
    EXPECT_EQ(host.messages.back().text, "Please bet  60 or less.");
    EXPECT_EQ(m.state.bet, 70);  // the refused value stays until the next change

    // Ok unlocks the windows whatever the outcome; the dialog stays open.
    EXPECT_TRUE(m.main.window.enabled);
    EXPECT_TRUE(m.betDialog.window.visible);
    EXPECT_FALSE(m.main.CmdPlay.enabled);
}

// After a refusal Ok has unlocked the main window; the player may go there and
// come back. Each return to the dialog runs its activation again: the field is
// emptied (or refilled with a held amount), the bet shows 0, the turn label is
// written. A message box in between is no other window of the game.
TEST_F(BetTest, ReturningToTheDialogRunsItsActivation)
{
    openWithCredit(60);
    m.betTextEdited("70");
    m.windowActivated(WindowId::Bet);  // the window system's activation of the opened dialog
    EXPECT_EQ(m.betDialog.Txtfil.text, "70");
    m.betOkClicked();
    ASSERT_EQ(host.messages.back().title, "Credit too low");
    m.windowActivated(WindowId::Bet);  // back from the message box: nothing changes
    EXPECT_EQ(m.betDialog.Txtfil.text, "70");
    m.betDialog.Lblturn.caption.set("");
    m.windowActivated(WindowId::Main);
    m.windowActivated(WindowId::Bet);
    EXPECT_EQ(m.betDialog.Txtfil.text, "");
    EXPECT_EQ(m.state.bet, 0);
    EXPECT_EQ(m.main.LblBet.caption.text(), "Bet 0");
    EXPECT_EQ(m.main.LblbetS.caption.text(), "Bet 0");
    EXPECT_EQ(m.betDialog.Lblturn.caption.text(), "Turn No.  1");

    m.betAmountClicked(BetAmount::Cmd20);
    m.betHoldClicked();
    m.windowActivated(WindowId::Prize);
    m.windowActivated(WindowId::Bet);
    EXPECT_EQ(m.betDialog.Txtfil.text, "20");  // the held amount comes back
    EXPECT_EQ(m.main.LblBet.caption.text(), "Bet 0");
}

TEST_F(BetTest, AcceptedBetShowsOnTheMainWindowAndEnablesPlay)
{
    openWithCredit(30);
    m.betTextEdited("12abc");
    m.betTextKey(kEnterKey);
    EXPECT_EQ(m.state.bet, 12);
    EXPECT_FALSE(m.betDialog.window.visible);
    EXPECT_EQ(m.main.LblBet.caption.text(), "Bet 12");
    EXPECT_EQ(m.main.LblbetS.caption.text(), "Bet 12");
    EXPECT_EQ(m.main.LblCred.caption.text(), "Credit 30");
    EXPECT_TRUE(m.main.CmdPlay.enabled);
    EXPECT_TRUE(m.main.Cmdexit.enabled);
    EXPECT_FALSE(m.main.Cmdbet.enabled);
    EXPECT_EQ(m.state.credit, 30);  // the bet is not taken yet
}

TEST_F(BetTest, FractionalBetPassesTheChecks)
{
    openWithCredit(30);
    m.betTextEdited("2.5");
    m.betOkClicked();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(m.state.bet, 2.5);
}

TEST_F(BetTest, HoldKeepsTheAmountForTheNextTurns)
{
    openWithCredit(30);
    m.betHoldClicked();  // Hold is off until an amount is chosen
    EXPECT_FALSE(m.state.betHeld);
    m.betTextEdited("");
    m.betAmountClicked(BetAmount::Cmd10);
    m.betHoldClicked();
    EXPECT_TRUE(m.state.betHeld);
    EXPECT_EQ(m.state.heldBet, 10);
    EXPECT_FALSE(m.betDialog.Cmdhold.enabled);
    m.betTextEdited("25");  // typing cannot change a held amount
    EXPECT_EQ(m.betDialog.Txtfil.text, "10");
    m.betOkClicked();
    test::play(m);

    m.commandClicked(CommandButton::Cmdbet);
    EXPECT_EQ(m.betDialog.Txtfil.text, "10");
    EXPECT_TRUE(m.betDialog.Cmdok.enabled);
    EXPECT_EQ(m.betDialog.fillinWidthTwips, 116);

    m.betTextMouseDown();  // a click into the field releases Hold
    EXPECT_FALSE(m.state.betHeld);
    EXPECT_EQ(m.state.heldBet, 0);
    EXPECT_EQ(m.betDialog.Txtfil.text, "");
    m.betTextEdited("7");
    EXPECT_EQ(m.state.bet, 7);
}

TEST_F(BetTest, HoldWithNothingEnteredSaysSo)
{
    openWithCredit(30);
    m.betTextEdited("abc");
    m.betHoldClicked();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "No bet entered");
    EXPECT_EQ(host.messages[0].text, "Please enter your bet and then click on hold.");
}

TEST_F(BetTest, AHeldAmountAboveTheCreditIsRefusedEveryTurn)
{
    openWithCredit(100);
    m.betAmountClicked(BetAmount::Cmd50);
    m.betHoldClicked();
    m.betOkClicked();
    test::play(m);
    m.state.credit = 40;
    m.commandClicked(CommandButton::Cmdbet);
    m.betOkClicked();
    EXPECT_EQ(host.messages.back().title, "Credit too low");
    EXPECT_EQ(host.messages.back().text, "Please bet  40 or less.");
}

TEST_F(BetTest, TheDialogCannotBeClosedByItsFrame)
{
    openWithCredit(30);
    m.betFrameClosed();
    EXPECT_TRUE(m.betDialog.window.visible);
    EXPECT_FALSE(m.main.window.enabled);
}

TEST_F(BetTest, AStatisticsResetAskedForByTheExitQuestionHappensAtTheNextBet)
{
    m.state.numberStats[3] = 5;
    m.state.statsResetPending = true;
    m.commandClicked(CommandButton::Cmdbet);
    EXPECT_EQ(m.state.numberStats[3], 0);
    EXPECT_FALSE(m.state.statsResetPending);
}

TEST_F(BetTest, TheGaugeFillsItsInnerWidthAfterTwentyBets)
{
    for (int turn = 0; turn < 20; ++turn) {
        m.commandClicked(CommandButton::Cmdbet);
        m.betTextEdited("1");
        m.betOkClicked();
        if (turn < 19) test::play(m);
    }
    EXPECT_EQ(m.betDialog.fillinWidthTwips, kGaugeWidthTwips - 55);
}

}  // namespace
}  // namespace ferlow
