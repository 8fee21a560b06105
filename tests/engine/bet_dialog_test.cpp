// The bet dialog: opening it for a turn, the amounts the credit allows, the
// amount field, Hold, and the refusals.
#include <gtest/gtest.h>

#include "support/game_driver.h"

namespace ferlow {
namespace {

class BetDialog : public ::testing::Test {
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
    // 5, 10, 20, 50, 100 and All, as on or off.
    std::string amountButtons() const
    {
        std::string s;
        for (const Button* b :
             {&dialog.Cmd5, &dialog.Cmd10, &dialog.Cmd20, &dialog.Cmd50, &dialog.Cmd100, &dialog.Cmdall})
            s += b->enabled ? '1' : '0';
        return s;
    }
    test::FakeHost host;
    Machine m{host};
    const BetScreen& dialog = m.betDialog;
};

TEST_F(BetDialog, OpeningForATurnLocksTheRestOfTheGame)
{
    m.state.numberStats[3] = 5;
    m.state.statsResetPending = true;  // asked for by the exit question
    openWithCredit(30);
    EXPECT_EQ(m.state.numberStats[3], 0);
    EXPECT_TRUE(dialog.window.visible);
    EXPECT_EQ(test::enabledControls(m), "");
    EXPECT_FALSE(dialog.Cmdok.enabled || dialog.Cmdhold.enabled);
    EXPECT_EQ(m.main.LblHit.caption.text() + "|" + m.main.LblBet.caption.text(), "Hits  0|Bet 0");
    EXPECT_EQ(dialog.fillinWidthTwips, 58);
    EXPECT_EQ(dialog.window.left, (1024 * 15 - 4560) / 2.0);
    m.betFrameClosed();  // it closes only by Ok
    EXPECT_TRUE(dialog.window.visible);
}

TEST_F(BetDialog, AmountButtonsFollowTheCredit)
{
    const std::pair<double, const char*> rows[] = {{3, "000001"},  {9.5, "100001"}, {20, "111001"},
                                                   {50, "111101"}, {99, "111101"},  {150, "111110"}};
    for (const auto& [credit, buttons] : rows) {
        openWithCredit(credit);
        EXPECT_EQ(amountButtons(), buttons) << credit;
        m.betTextEdited("1");
        m.betOkClicked();
        test::play(m);
    }
    openWithCredit(3);
    m.betAmountClicked(BetAmount::Cmd5);  // a disabled button does nothing
    EXPECT_EQ(dialog.Txtfil.text, "");
    m.betAmountClicked(BetAmount::Cmdall);
    EXPECT_EQ(dialog.Txtfil.text, "3");
}

TEST_F(BetDialog, AnAcceptedBetEnablesPlayAndShowsOnTheMainWindow)
{
    openWithCredit(30);
    m.betAmountClicked(BetAmount::Cmd20);
    EXPECT_EQ(dialog.Txtfil.text, "20");
    EXPECT_TRUE(dialog.Cmdhold.enabled);  // an amount button enables Hold
    m.betTextEdited("12abc");
    m.betTextKey(kEnterKey);
    EXPECT_EQ(m.state.bet, 12);
    EXPECT_FALSE(dialog.window.visible);
    EXPECT_FALSE(dialog.Cmdhold.enabled);
    EXPECT_EQ(m.main.LblBet.caption.text() + "|" + m.main.LblbetS.caption.text() + "|" + m.main.LblCred.caption.text(),
              "Bet 12|Bet 12|Credit 30");  // the bet is taken after the draw
    EXPECT_EQ(test::enabledControls(m), "Play Exit main prize stats");

    test::play(m);
    m.commandClicked(CommandButton::Cmdbet);
    EXPECT_EQ(dialog.Lblturn.caption.text(), "Turn No.  2");
    EXPECT_FALSE(dialog.Cmdhold.enabled);
    EXPECT_EQ(dialog.fillinWidthTwips, 116);
    test::placeBet(m, "2.5");  // a fraction passes the checks
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(m.state.bet, 2.5);
}

TEST_F(BetDialog, RefusalsKeepTheDialogOpen)
{
    openWithCredit(60);
    for (const char* amount : {"0", "-5", "120", "70"}) {
        m.betTextEdited(amount);
        m.betOkClicked();
    }
    ASSERT_EQ(host.messages.size(), 4u);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(host.messages[1].title, "Bet too low");
    EXPECT_EQ(host.beeps, 2);  // only too low beeps
    EXPECT_EQ(host.messages[3].text, "Please bet  60 or less.");
    EXPECT_EQ(m.state.bet, 70);  // the refused value stays until the next change
    // Ok unlocks the windows whatever the outcome; the dialog stays open.
    EXPECT_EQ(test::enabledControls(m), "main prize stats");
    EXPECT_TRUE(dialog.window.visible);

    // Each return to the dialog runs its activation again: the field empties,
    // the bet shows 0, the turn label is written. A message box is no window of
    // the game: coming back from one changes nothing.
    m.windowActivated(WindowId::Bet);
    EXPECT_EQ(dialog.Txtfil.text, "70");
    m.betDialog.Lblturn.caption.set("");
    m.windowActivated(WindowId::Main);
    m.windowActivated(WindowId::Bet);
    EXPECT_EQ(dialog.Txtfil.text, "");
    EXPECT_EQ(m.state.bet, 0);
    EXPECT_EQ(m.main.LblbetS.caption.text(), "Bet 0");
    EXPECT_EQ(dialog.Lblturn.caption.text(), "Turn No.  1");
}

TEST_F(BetDialog, HoldKeepsTheAmountForTheNextTurns)
{
    openWithCredit(100);
    m.betHoldClicked();  // off until an amount is chosen
    EXPECT_FALSE(m.state.betHeld);
    m.betTextEdited("abc");
    m.betHoldClicked();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);

    m.betAmountClicked(BetAmount::Cmd50);
    const auto sounds = host.sounds.size();
    m.betHoldClicked();
    EXPECT_EQ(host.sounds.size(), sounds + 1);  // its tick
    EXPECT_TRUE(m.state.betHeld);
    EXPECT_EQ(m.state.heldBet, 50);
    EXPECT_FALSE(dialog.Cmdhold.enabled);
    m.betTextEdited("25");  // typing cannot change a held amount
    EXPECT_EQ(dialog.Txtfil.text, "50");
    m.windowActivated(WindowId::Prize);
    m.windowActivated(WindowId::Bet);
    EXPECT_EQ(dialog.Txtfil.text, "50");
    m.betOkClicked();
    test::play(m);

    m.state.credit = 40;
    m.commandClicked(CommandButton::Cmdbet);
    EXPECT_EQ(dialog.Txtfil.text, "50");
    EXPECT_TRUE(dialog.Cmdok.enabled && !dialog.Cmdhold.enabled);
    m.betOkClicked();  // refused every turn the credit does not cover it
    EXPECT_EQ(host.messages.back().text, "Please bet  40 or less.");

    m.betTextMouseDown();  // a click into the field releases Hold
    EXPECT_FALSE(m.state.betHeld);
    EXPECT_EQ(m.state.heldBet, 0);
    EXPECT_EQ(dialog.Txtfil.text, "");
    EXPECT_FALSE(dialog.Cmdhold.enabled);
    m.betTextEdited("7");
    EXPECT_EQ(m.state.bet, 7);
    EXPECT_TRUE(dialog.Cmdhold.enabled);
}

}  // namespace
}  // namespace ferlow
