// Every command can be reached from the keyboard: the buttons' access keys
// (Alt and the underlined letter), the menu bar's Alt+letter and the items'
// letters, and the menu items' shortcuts. Pressed on the active window, each
// reaches the machine.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>

#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class AccessKeys : public UiTest {
protected:
    // A key as the window system delivers it: to the active window's focus.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        ASSERT_NE(target, nullptr) << "no window is active";
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
};

TEST_F(AccessKeys, TheMainWindowsButtonsAnswerAltBAltPAndAltX)
{
    startGame();
    for (int p : {1, 12, 23, 34}) pressNumber(p);
    activate(views->mainWindow());

    press(Qt::Key_B, Qt::AltModifier);  // the button clicks itself a moment later
    QTRY_VERIFY(views->betWindow() && views->betWindow()->isVisible());
    activate(views->betWindow());
    QTest::keyClicks(QApplication::focusWidget(), "5");
    press(Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(!views->betWindow()->isVisible());
    EXPECT_EQ(m.state.bet, 5);

    activate(views->mainWindow());
    press(Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(m.state.turn, 1);

    activate(views->mainWindow());
    press(Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(host.messages.size(), std::size_t(1));
    EXPECT_EQ(host.messages.back().title, "Exit");
}

// Each menu item with a shortcut, in a fresh game: the shortcut triggers the item
// exactly when the machine has it enabled.
TEST_F(AccessKeys, EveryMenuShortcutTriggersItsItemWhileEnabled)
{
    const MenuTree tree = designMenuTree();
    int tried = 0;
    for (std::size_t i = 0; i < kMenuCount; ++i) {
        if (tree[i].shortcut.empty()) continue;
        FakeHost gameHost;
        Machine game{gameHost};
        auto gameViews = std::make_unique<ui::Views>(game);
        gameViews->run([&] { game.startUp(); });
        click(control(gameViews->openingWindow(), "CmdPlay"));
        QWidget* window = gameViews->mainWindow();
        ASSERT_NE(window, nullptr);
        activate(window);

        auto* action = window->findChild<QAction*>(tree[i].name);
        ASSERT_NE(action, nullptr) << tree[i].name;
        const bool enabled = game.main.menu[i].enabled;
        QSignalSpy triggered(action, &QAction::triggered);
        const QKeyCombination combination = QKeySequence(QString::fromStdString(tree[i].shortcut))[0];
        press(combination.key(), combination.keyboardModifiers());
        EXPECT_EQ(triggered.count(), enabled ? 1 : 0) << tree[i].name << " " << tree[i].shortcut;
        ++tried;
        gameViews.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(tried, 26);
}

TEST_F(AccessKeys, TheMenuBarOpensWithAltAndTheUnderlinedLetters)
{
    startGame();
    activate(views->mainWindow());

    press(Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(openMenu(), nullptr);
    EXPECT_EQ(openMenu()->objectName(), "Mnugam");
    press(Qt::Key_R);  // P&rizes
    EXPECT_EQ(openMenu(), nullptr);
    EXPECT_TRUE(m.main.item(Menu::Mnupri).checked);
    ASSERT_NE(views->prizeWindow(), nullptr);
    EXPECT_TRUE(views->prizeWindow()->isVisible());

    activate(views->mainWindow());
    press(Qt::Key_F, Qt::AltModifier);
    press(Qt::Key_T);  // Difficul&ty opens its submenu
    ASSERT_NE(openMenu(), nullptr);
    EXPECT_EQ(openMenu()->objectName(), "Mnugtyp");
    press(Qt::Key_D);  // Har&d
    EXPECT_TRUE(m.main.item(Menu::Mnuhard).checked);
    EXPECT_FALSE(m.main.item(Menu::Mnueasy).checked);

    // Statisti&cs and High S&cores share their letter: C moves between them and
    // Enter chooses.
    activate(views->mainWindow());
    press(Qt::Key_O, Qt::AltModifier);
    ASSERT_NE(openMenu(), nullptr);
    EXPECT_EQ(openMenu()->objectName(), "Mnuoptions");
    press(Qt::Key_C);
    ASSERT_NE(openMenu(), nullptr);
    ASSERT_NE(openMenu()->activeAction(), nullptr);
    EXPECT_EQ(openMenu()->activeAction()->objectName(), "Mnustats");
    press(Qt::Key_Return);
    EXPECT_TRUE(m.main.item(Menu::Mnustats).checked);

    activate(views->mainWindow());
    press(Qt::Key_H, Qt::AltModifier);
    press(Qt::Key_A);  // &About
    ASSERT_NE(views->aboutWindow(), nullptr);
    EXPECT_TRUE(views->aboutWindow()->isVisible());
}

TEST_F(AccessKeys, TheBetDialogsAmountsHoldAndOkAnswerTheirLetters)
{
    startGame();
    pickAndOpenBet();
    activate(views->betWindow());
    auto* field = control<QLineEdit>(views->betWindow(), "Txtfil");

    press(Qt::Key_1, Qt::AltModifier);  // &10
    QTRY_COMPARE(field->text(), QString("10"));
    press(Qt::Key_2, Qt::AltModifier);  // &20
    QTRY_COMPARE(field->text(), QString("20"));
    press(Qt::Key_A, Qt::AltModifier);  // &All
    QTRY_COMPARE(field->text(), QString("30"));
    // &5 and &50 share their key, but 50 is off with 30 credits.
    ASSERT_FALSE(control(views->betWindow(), "Cmd50")->isEnabled());
    press(Qt::Key_5, Qt::AltModifier);
    QTRY_COMPARE(field->text(), QString("5"));
    press(Qt::Key_H, Qt::AltModifier);  // &Hold
    QTRY_VERIFY(m.state.betHeld);
    press(Qt::Key_O, Qt::AltModifier);  // &Ok
    QTRY_VERIFY(!views->betWindow()->isVisible());
    EXPECT_EQ(m.state.bet, 5);
}

// With credit enough for both, &5 and &50 share Alt+5: each press moves the
// focus between the two without choosing, and Space chooses.
TEST_F(AccessKeys, TheSharedAltFiveMovesBetweenFiveAndFifty)
{
    startGame();
    m.state.credit = 100;
    pickAndOpenBet();
    activate(views->betWindow());
    QWidget* five = control(views->betWindow(), "Cmd5");
    QWidget* fifty = control(views->betWindow(), "Cmd50");
    ASSERT_TRUE(five->isEnabled() && fifty->isEnabled());
    auto* field = control<QLineEdit>(views->betWindow(), "Txtfil");

    press(Qt::Key_5, Qt::AltModifier);
    EXPECT_TRUE(five->hasFocus() || fifty->hasFocus());
    QWidget* first = QApplication::focusWidget();
    press(Qt::Key_5, Qt::AltModifier);
    EXPECT_NE(QApplication::focusWidget(), first);
    EXPECT_TRUE(five->hasFocus() || fifty->hasFocus());
    EXPECT_EQ(field->text(), "") << "an ambiguous key chooses nothing";
    const QString chosen = QApplication::focusWidget() == five ? "5" : "50";
    press(Qt::Key_Space);
    EXPECT_EQ(field->text(), chosen);
    press(Qt::Key_0, Qt::AltModifier);  // 1&00
    QTRY_COMPARE(field->text(), QString("100"));
}

TEST_F(AccessKeys, CloseAndOkAnswerTheirLettersInEveryWindow)
{
    startGame();
    struct Case {
        const char* menu;
        std::function<QWidget*()> window;
        Qt::Key letter;
    };
    const Case cases[] = {
        {"Mnupri", [this] { return views->prizeWindow(); }, Qt::Key_C},
        {"Mnustats", [this] { return views->statsWindow(); }, Qt::Key_C},
        {"Mnuvhsc", [this] { return views->highScoreWindow(); }, Qt::Key_C},
        {"Mnuabt", [this] { return views->aboutWindow(); }, Qt::Key_O},
        {"MnuHlp", [this] { return views->helpWindow(); }, Qt::Key_C},
        {"Mnuinst", [this] { return views->instructionsWindow(); }, Qt::Key_C},
    };
    for (const Case& c : cases) {
        chooseMenu(c.menu);
        QWidget* window = c.window();
        ASSERT_NE(window, nullptr) << c.menu;
        ASSERT_TRUE(window->isVisible()) << c.menu;
        activate(window);
        press(c.letter, Qt::AltModifier);
        QTRY_VERIFY2(!c.window() || !c.window()->isVisible(), c.menu);
        EXPECT_TRUE(views->mainWindow()->isEnabled()) << c.menu;
    }
}

TEST_F(AccessKeys, EnterOnTheOpeningWindowPlays)
{
    views->run([this] { m.startUp(); });
    activate(views->openingWindow());
    press(Qt::Key_Return);
    ASSERT_NE(views->mainWindow(), nullptr);
    EXPECT_TRUE(views->mainWindow()->isVisible());
}

}  // namespace
}  // namespace ferlow::test
