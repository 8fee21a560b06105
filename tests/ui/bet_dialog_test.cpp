// The bet dialog's binding: typing, the amount buttons, Hold, Ok and Enter reach
// the machine; the machine's text, buttons and gauge reach the widgets; the
// close box is refused.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/widgets/twips.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class BetDialogTest : public UiTest {
protected:
    void SetUp() override
    {
        startGame();
        pickAndOpenBet();
    }
    QWidget* dialog() { return views->betWindow(); }
    QLineEdit* field() { return control<QLineEdit>(dialog(), "Txtfil"); }
    QWidget* button(const char* name) { return control(dialog(), name); }
};

TEST_F(BetDialogTest, TypingAnAmountSetsTheBetAndEnablesOk)
{
    EXPECT_EQ(dialog()->windowTitle(), "Bet");
    EXPECT_FALSE(button("Cmdok")->isEnabled());
    QTest::keyClicks(field(), "25");
    EXPECT_EQ(m.state.bet, 25);
    EXPECT_EQ(m.betDialog.Txtfil.text, "25");
    EXPECT_TRUE(button("Cmdok")->isEnabled());
    EXPECT_TRUE(button("Cmdhold")->isEnabled());

    click(button("Cmdok"));
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(control<QLabel>(views->mainWindow(), "LblBet")->text(), "Bet 25");
    EXPECT_TRUE(views->mainWindow()->isEnabled());
}

// After a refused amount the main window takes input again; going there and
// back to the dialog runs the dialog's activation: the field starts afresh.
TEST_F(BetDialogTest, ComingBackToTheDialogEmptiesTheField)
{
    activate(dialog());
    QTest::keyClicks(field(), "70");
    click(button("Cmdok"));
    ASSERT_EQ(host.messages.back().title, "Credit too low");
    EXPECT_EQ(field()->text(), "70");
    activate(views->mainWindow());
    activate(dialog());
    EXPECT_EQ(field()->text(), "");
    EXPECT_EQ(control<QLabel>(views->mainWindow(), "LblBet")->text(), "Bet 0");
}

TEST_F(BetDialogTest, AmountButtonsFollowTheCreditAndWriteTheirAmount)
{
    // 30 credits: 5, 10 and 20 are covered, All is offered below 100.
    for (const char* on : {"Cmd5", "Cmd10", "Cmd20", "Cmdall"}) EXPECT_TRUE(button(on)->isEnabled()) << on;
    for (const char* off : {"Cmd50", "Cmd100"}) EXPECT_FALSE(button(off)->isEnabled()) << off;
    EXPECT_EQ(static_cast<QPushButton*>(button("Cmd100"))->text(), "1&00");

    click(button("Cmd10"));
    EXPECT_EQ(field()->text(), "10");
    EXPECT_EQ(m.state.bet, 10);
    click(button("Cmdall"));
    EXPECT_EQ(field()->text(), "30");
}

TEST_F(BetDialogTest, TheCloseBoxIsRefused)
{
    dialog()->close();
    EXPECT_TRUE(m.betDialog.window.visible);
    EXPECT_TRUE(dialog()->isVisible());
}

TEST_F(BetDialogTest, TheGaugeFollowsTheModel)
{
    auto* fillin = control<QLabel>(dialog(), "Fillin");
    ASSERT_NE(fillin->parentWidget(), nullptr);
    EXPECT_EQ(fillin->parentWidget()->objectName(), "PnlGauge");
    EXPECT_EQ(fillin->width(), ui::px(m.betDialog.fillinWidthTwips));
    EXPECT_GT(fillin->width(), 0);
    EXPECT_EQ(fillin->palette().color(QPalette::Window), QColor(255, 0, 0));

    // A full gauge after twenty turns fills the inner width and no more.
    m.betDialog.fillinWidthTwips = 20 * (kGaugeWidthTwips - 55) / 20;
    views->syncAll();
    EXPECT_EQ(fillin->width(), ui::px(kGaugeWidthTwips - 55));
    EXPECT_LE(fillin->geometry().right(), fillin->parentWidget()->contentsRect().right());
    EXPECT_EQ(control<QLabel>(dialog(), "Lblturn")->text().toStdString(), m.betDialog.Lblturn.caption.text());
}

TEST_F(BetDialogTest, EnterInTheFieldAcceptsOrRefusesTheAmount)
{
    field()->setFocus();
    QTest::keyClicks(field(), "0");
    QTest::keyClick(field(), Qt::Key_Return);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Bet too low");
    EXPECT_TRUE(dialog()->isVisible());

    QTest::keyClick(field(), Qt::Key_Backspace);
    QTest::keyClicks(field(), "5");
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(control(views->mainWindow(), "CmdPlay")->isEnabled());
}

TEST_F(BetDialogTest, EnterOnTheFocusedOkActsAsAClick)
{
    QTest::keyClicks(field(), "120");
    QTest::keyClick(button("Cmdok"), Qt::Key_Return);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Bet Exceeds limit");
    // Ok unlocks the other windows even after a refusal.
    EXPECT_TRUE(views->mainWindow()->isEnabled());
    EXPECT_TRUE(dialog()->isVisible());
}

TEST_F(BetDialogTest, AHeldAmountComesBackAndAPressInTheFieldReleasesIt)
{
    QTest::keyClicks(field(), "10");
    click(button("Cmdhold"));
    EXPECT_TRUE(m.state.betHeld);
    click(button("Cmdok"));
    playTurn();

    click(control(views->mainWindow(), "Cmdbet"));
    ASSERT_TRUE(dialog()->isVisible());
    EXPECT_EQ(field()->text(), "10");
    EXPECT_TRUE(button("Cmdok")->isEnabled());
    // Typing cannot change a held amount: the machine writes it back at once.
    field()->setFocus();
    field()->end(false);
    QTest::keyClicks(field(), "5");
    EXPECT_EQ(field()->text(), "10");

    QTest::mouseClick(field(), Qt::LeftButton);
    EXPECT_FALSE(m.state.betHeld);
    EXPECT_EQ(field()->text(), "");
    EXPECT_FALSE(button("Cmdhold")->isEnabled());
}

}  // namespace
}  // namespace ferlow::test
