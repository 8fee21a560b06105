// What screen readers are told about the controls of every window: names and
// descriptions follow the models as the game goes on, and a sync that changes
// nothing tells them nothing.
#include <QAccessible>
#include <QLineEdit>

#include "accessibility_recorder.h"
#include "ui/widgets/speech.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class AccessibleNames : public UiTest {
protected:
    // What a screen reader gets for a control: its accessible interface's texts.
    QString nameOf(QWidget* window, const QString& control)
    {
        QWidget* w = this->control(window, control);
        QAccessibleInterface* iface = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
        return iface ? iface->text(QAccessible::Name) : QString("<none>");
    }
    QString descriptionOf(QWidget* window, const QString& control)
    {
        QWidget* w = this->control(window, control);
        QAccessibleInterface* iface = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
        return iface ? iface->text(QAccessible::Description) : QString("<none>");
    }
    static QString text(const std::string& s) { return QString::fromStdString(s).simplified(); }
};

TEST(SpokenCaption, DropsAccessKeyMarksAndTidiesSpaces)
{
    EXPECT_EQ(ui::spokenCaption("&Bet"), "Bet");
    EXPECT_EQ(ui::spokenCaption("1&00"), "100");
    EXPECT_EQ(ui::spokenCaption("Salt && &Pepper"), "Salt & Pepper");
    EXPECT_EQ(ui::spokenCaption("  Hits   3\nnow "), "Hits 3 now");
    EXPECT_EQ(ui::spokenCaption("&"), "");
}

TEST(SpokenColumns, ReadsRunsOfBlanksAsPauses)
{
    EXPECT_EQ(ui::spokenColumns(" 4 Out of 4  425"), "4 Out of 4, 425");
    EXPECT_EQ(ui::spokenColumns("Balls out: 03   Number: 17     Turn: 02"), "Balls out: 03, Number: 17, Turn: 02");
    EXPECT_EQ(ui::spokenColumns("   "), "");
}

TEST_F(AccessibleNames, TheMainWindowReadsItsCaptionsTooltipsAndTheBoard)
{
    startGame();
    QWidget* w = views->mainWindow();
    EXPECT_EQ(nameOf(w, "Cmdbet"), "Bet");
    EXPECT_EQ(descriptionOf(w, "Cmdbet"), "Maximum bet is 100.");
    EXPECT_EQ(nameOf(w, "Cmdexit"), "Exit");
    EXPECT_EQ(nameOf(w, "Image1"), "Logo");
    EXPECT_EQ(descriptionOf(w, "Image1"), "Company Logo.");
    EXPECT_EQ(nameOf(w, "PicShow"), "Hourglass");
    EXPECT_EQ(descriptionOf(w, "PicShow"), text(m.main.PicShow.tooltip));
    EXPECT_EQ(nameOf(w, "SSPanel1"), "Board");
    EXPECT_EQ(nameOf(w, "LblCred"), text(m.main.LblCred.caption.text()));
    EXPECT_EQ(descriptionOf(w, "LblcredS"), "Value left to bet with.");
    EXPECT_EQ(nameOf(w, "Lbl1_16"), "17");
    EXPECT_EQ(nameOf(w, "Shp1_16"), "Ball 17");

    pressNumber(16);
    EXPECT_EQ(nameOf(w, "Lbl1_16"), "17, picked");
    EXPECT_EQ(nameOf(w, "Shp1_16"), "Ball 17, picked");

    // A turn: every number now reads as what its ball shows, and the panels and
    // the hourglass's tooltip follow the models.
    for (int p : {2, 30, 55}) pressNumber(p);
    click(control(w, "Cmdbet"));
    QTest::keyClicks(control<QLineEdit>(views->betWindow(), "Txtfil"), "5");
    click(control(views->betWindow(), "Cmdok"));
    playTurn();
    int hits = 0, drawn = 0;
    for (int i = 0; i < kBoardNumbers; ++i) {
        const Marker& ball = m.main.Shp1[static_cast<std::size_t>(i)];
        QString expected = QString::number(i + 1);
        if (ball.visible && ball.image == ListImage::Hit) expected += ", hit", ++hits;
        if (ball.visible && ball.image == ListImage::Drawn) expected += ", drawn", ++drawn;
        if (ball.visible && ball.image == ListImage::Picked) expected += ", picked";
        EXPECT_EQ(nameOf(w, QString("Lbl1_%1").arg(i)), expected);
    }
    EXPECT_EQ(hits + drawn, 20);
    EXPECT_EQ(nameOf(w, "LblHit"), text(m.main.LblHit.caption.text()));
    EXPECT_EQ(nameOf(w, "LblBet"), "Bet 5");
    EXPECT_EQ(descriptionOf(w, "PicShow"), text(m.main.PicShow.tooltip));
    EXPECT_NE(m.main.PicShow.tooltip.find(std::to_string(m.state.turnLimit - 1)), std::string::npos);
}

TEST_F(AccessibleNames, ASyncThatChangesNothingTellsScreenReadersNothing)
{
    startGame();
    pressNumber(5);
    AccessibilityRecorder recorder;
    views->syncAll();
    views->syncAll();
    EXPECT_EQ(recorder.count(QAccessible::NameChanged), 0);
    EXPECT_EQ(recorder.count(QAccessible::DescriptionChanged), 0);

    // A change is told once, for the control that changed.
    pressNumber(6);
    EXPECT_EQ(recorder.count(QAccessible::NameChanged, control(views->mainWindow(), "Lbl1_6")), 1);
}

TEST_F(AccessibleNames, TheOpeningPrizeAndStatisticsWindowsFollowTheirModels)
{
    views->run([this] { m.startUp(); });
    QWidget* opening = views->openingWindow();
    EXPECT_EQ(nameOf(opening, "CmdPlay"), "Play");
    EXPECT_EQ(nameOf(opening, "Picture1"), "Map of Australia");
    EXPECT_EQ(nameOf(opening, "Label9"), text(m.opening.Label9.caption.text()));
    click(control(opening, "CmdPlay"));

    chooseMenu("Mnupri");
    QWidget* prize = views->prizeWindow();
    EXPECT_EQ(nameOf(prize, "CmdClose"), "Close");
    for (int h = 2; h <= 10; ++h) {
        EXPECT_EQ(nameOf(prize, QString("Lblpri_%1").arg(h)), ui::spokenColumns(m.prize.row(h).caption.text())) << h;
        EXPECT_EQ(descriptionOf(prize, QString("Lblpri_%1").arg(h)), text(m.prize.row(h).tooltip)) << h;
    }
    EXPECT_EQ(prize->accessibleDescription(), text(m.prize.tooltip));
    EXPECT_TRUE(nameOf(prize, "Lblpri_10").startsWith("10 Out of 10, ")) << nameOf(prize, "Lblpri_10").toStdString();

    chooseMenu("Mnustats");
    QWidget* stats = views->statsWindow();
    EXPECT_EQ(nameOf(stats, "PnlNum_17"), "17, drawn 0 times");
    EXPECT_EQ(nameOf(stats, "SSPanel2"), "Number Ratings");
    EXPECT_EQ(nameOf(stats, "Shape_1"), "Poor colour");
    EXPECT_EQ(nameOf(stats, "CmdClose"), "Close");

    // After a draw each drawn number says how often it came and, in words, the
    // rating its colour shows.
    pickAndOpenBet();
    placeBet("5");
    playTurn();
    int drawnNumbers = 0;
    for (int n = 1; n <= kBoardNumbers; ++n) {
        const int count = m.state.numberStats[static_cast<std::size_t>(n)];
        if (count == 0) continue;
        ++drawnNumbers;
        ASSERT_EQ(count, 1);
        EXPECT_EQ(nameOf(stats, QString("PnlNum_%1").arg(n)), QString("%1, drawn once").arg(n));
        EXPECT_EQ(descriptionOf(stats, QString("PnlNum_%1").arg(n)), ratingBandForCount(count).name);
    }
    EXPECT_EQ(drawnNumbers, 20);
}

TEST_F(AccessibleNames, TheBetDialogNamesItsFieldByItsLabel)
{
    startGame();
    pickAndOpenBet();
    QWidget* bet = views->betWindow();
    EXPECT_EQ(nameOf(bet, "Txtfil"), "Other");
    EXPECT_EQ(descriptionOf(bet, "Txtfil"), "Enter your own amount if you wish.");
    EXPECT_EQ(nameOf(bet, "Cmd100"), "100");
    EXPECT_EQ(nameOf(bet, "Cmdall"), "All");
    EXPECT_EQ(nameOf(bet, "Cmdhold"), "Hold");
    EXPECT_EQ(nameOf(bet, "PnlGauge"), "Gauge");
    EXPECT_EQ(descriptionOf(bet, "PnlGauge"), "A Gauge fills in red every turn.");
    EXPECT_EQ(nameOf(bet, "Lblturn"), text(m.betDialog.Lblturn.caption.text()));
    EXPECT_EQ(descriptionOf(bet, "Lblturn"), "Displays how many bets have been set.");
}

TEST_F(AccessibleNames, TheHighScoreAboutHelpAndInstructionWindowsFollowTheirModels)
{
    startGame();
    chooseMenu("Mnuvhsc");
    QWidget* hsc = views->highScoreWindow();
    EXPECT_EQ(nameOf(hsc, "Txtnam1"), "Name, place 1");
    EXPECT_EQ(nameOf(hsc, "Txtnam5"), "Name, place 5");
    // The caption runs score and place together; the reader hears them apart.
    EXPECT_EQ(m.hsc.Lblhi[1].caption.text().find("2,0002"), 0u);
    EXPECT_EQ(nameOf(hsc, "Lblhi2"), "Place 2: 2,000");
    EXPECT_EQ(nameOf(hsc, "LblLoss"), text(m.hsc.LblLoss.caption.text()));
    EXPECT_EQ(nameOf(hsc, "PicFace"), "Face");
    EXPECT_EQ(nameOf(hsc, "CmdClose"), "Close");
    click(control(hsc, "CmdClose"));

    chooseMenu("Mnuabt");
    QWidget* about = views->aboutWindow();
    EXPECT_EQ(nameOf(about, "Cmdok"), "Ok");
    EXPECT_EQ(nameOf(about, "cycler"), "Emblem");
    EXPECT_EQ(nameOf(about, "Label2"), text(m.about.Label2.caption.text()));
    EXPECT_FALSE(nameOf(about, "Label2").contains('\n'));
    click(control(about, "Cmdok"));

    chooseMenu("MnuHlp");
    EXPECT_EQ(nameOf(views->helpWindow(), "Image1"), "Help page");
    EXPECT_EQ(descriptionOf(views->helpWindow(), "CmdClose"), "Back to game.");
    click(control(views->helpWindow(), "CmdClose"));

    chooseMenu("Mnuinst");
    EXPECT_EQ(nameOf(views->instructionsWindow(), "Lblins1"), text(m.instructions.Lblins1.caption.text()));
    EXPECT_EQ(nameOf(views->instructionsWindow(), "CmdClose"), "Close");
}

// The face at the end of a game says in words how the game went.
TEST_F(AccessibleNames, TheFaceIsDescribedByItsMood)
{
    startGame();
    pickAndOpenBet();
    m.state.turn = m.state.turnLimit - 1;
    m.state.credit = 250000;
    placeBet("100");
    playTurn();
    ASSERT_NE(views->highScoreWindow(), nullptr);
    ASSERT_TRUE(m.state.rating.has_value());
    EXPECT_EQ(m.state.rating, 1);
    EXPECT_EQ(descriptionOf(views->highScoreWindow(), "PicFace"), "Beaming");
}

}  // namespace
}  // namespace ferlow::test
