// The main window's binding: board presses, the command buttons and the menu
// items reach the machine, and the models' state reaches the widgets.
#include <QKeySequence>

#include <QImage>
#include <QLabel>
#include <cstdlib>

#include "ui/board/marker_view.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class MainWindowTest : public UiTest {
protected:
    void SetUp() override { startGame(); }
    QWidget* window() { return views->mainWindow(); }
    // Where a player would press to hit number `position`: the middle of its label.
    QPoint numberCentre(int position)
    {
        QWidget* label = control(window(), QString("Lbl1_%1").arg(position));
        return label->mapTo(window(), label->rect().center());
    }
};

TEST_F(MainWindowTest, PressingANumberPicksItAndPressingItsBallUnpicksIt)
{
    QWidget* marker = control(window(), "Shp1_0");
    ASSERT_FALSE(marker->isVisible());

    clickAt(window(), numberCentre(0));
    EXPECT_TRUE(m.main.Shp1[0].visible);
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(m.state.spots, 1);

    // The second press lands on whatever lies on top there now: the ball.
    clickAt(window(), numberCentre(0));
    EXPECT_FALSE(m.main.Shp1[0].visible);
    EXPECT_FALSE(marker->isVisible());
    EXPECT_EQ(m.state.spots, 0);
}

TEST_F(MainWindowTest, FourPicksEnableBetAndBetOpensTheDialog)
{
    QWidget* bet = control(window(), "Cmdbet");
    for (int i = 0; i < 3; ++i) clickAt(window(), numberCentre(10 + i));
    EXPECT_FALSE(bet->isEnabled());
    clickAt(window(), numberCentre(50));
    EXPECT_TRUE(bet->isEnabled());

    click(bet);
    ASSERT_NE(views->betWindow(), nullptr);
    EXPECT_TRUE(views->betWindow()->isVisible());
    EXPECT_FALSE(window()->isEnabled());  // locked while the dialog is open
    for (int i = 0; i < kBoardNumbers; ++i)
        EXPECT_FALSE(control(window(), QString("Lbl1_%1").arg(i))->isEnabled()) << i;
}

TEST_F(MainWindowTest, MenuItemsCarryTheirNamesCaptionsShortcutsAndModelState)
{
    struct Expected {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    for (const Expected& e : {Expected{"Mnupri", "P&rizes", "Ctrl+R"}, Expected{"Mnuten", "Ten", "Shift+F10"},
                              Expected{"Mnuhardest", "Hardes&t", "Ctrl+T"}, Expected{"MnuRMe", "ReadMe", "F1"},
                              Expected{"Mnuvhsc", "&View", "Ctrl+V"}}) {
        QAction* action = menuAction(e.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), e.caption) << e.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(e.shortcut)) << e.name;
    }
    // Submenus are reachable by name too.
    EXPECT_EQ(menuAction("Mnugtyp")->text(), "Difficul&ty");

    // Model to widget: the design state, then a change the machine makes.
    EXPECT_TRUE(menuAction("Mnueasy")->isChecked());
    EXPECT_FALSE(menuAction("Mnungam")->isEnabled());
    chooseMenu("Mnuhard");
    EXPECT_TRUE(menuAction("Mnuhard")->isChecked());
    EXPECT_FALSE(menuAction("Mnueasy")->isChecked());
    EXPECT_EQ(control<QLabel>(window(), "SSPNum")->text().toStdString(), m.main.SSPNum.caption.text());

    // Widget to model: the Prizes item toggles its check and the window.
    chooseMenu("Mnupri");
    EXPECT_TRUE(m.main.item(Menu::Mnupri).checked);
    EXPECT_TRUE(menuAction("Mnupri")->isChecked());
    ASSERT_NE(views->prizeWindow(), nullptr);
    EXPECT_TRUE(views->prizeWindow()->isVisible());
    chooseMenu("Mnupri");
    EXPECT_FALSE(menuAction("Mnupri")->isChecked());
    EXPECT_FALSE(views->prizeWindow()->isVisible());
}

// How a number's digits are painted on the green board: black pixels, and
// light grey ones (greyed text).
struct Digits {
    int black = 0, grey = 0;
};
Digits digits(QWidget* label)
{
    const QImage image = label->grab().toImage();
    Digits d;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            d.black += c.red() < 60 && c.green() < 60 && c.blue() < 60;
            d.grey += c.red() > 150 && std::abs(c.red() - c.green()) < 20 && std::abs(c.green() - c.blue()) < 20;
        }
    return d;
}

// A disabled number shows greyed digits; a number only locked with its window
// (while a dialog is open) keeps its black ones.
TEST_F(MainWindowTest, DisabledNumbersShowGreyedDigits)
{
    QWidget* free = control(window(), "Lbl1_79");
    EXPECT_GT(digits(free).black, 5);
    chooseMenu("Mnuabt");
    ASSERT_FALSE(window()->isEnabled());
    EXPECT_GT(digits(free).black, 5);
    m.aboutOkClicked();
    views->syncAll();
    for (int i = 0; i < 10; ++i) clickAt(window(), numberCentre(i));
    ASSERT_FALSE(m.main.Lbl1[79].enabled);
    EXPECT_EQ(digits(free).black, 0);
    EXPECT_GT(digits(free).grey, 5);
}

TEST_F(MainWindowTest, PlayingATurnMarksTheDrawOnTheBoard)
{
    pickAndOpenBet();
    placeBet("5");
    EXPECT_TRUE(control(window(), "CmdPlay")->isEnabled());
    playTurn();

    int drawn = 0;
    for (int i = 0; i < kBoardNumbers; ++i) {
        const auto* marker = control<ui::MarkerView>(window(), QString("Shp1_%1").arg(i));
        EXPECT_EQ(marker->isVisible(), m.main.Shp1[i].visible) << i;
        EXPECT_EQ(marker->image(), m.main.Shp1[i].image) << i;
        if (m.main.Shp1[i].visible && m.main.Shp1[i].image != ListImage::Picked) ++drawn;
    }
    EXPECT_EQ(drawn, 20);  // Easy draws twenty balls
    EXPECT_EQ(control<QLabel>(window(), "LblCred")->text().toStdString(), m.main.LblCred.caption.text());
}

}  // namespace
}  // namespace ferlow::test
