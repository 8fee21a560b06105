// Playing the board from the keyboard: Tab reaches it after the buttons, the
// arrows move the ring by the board's rule (board_moves.h), typed digits jump to
// a number, Space and Enter press the ringed number exactly as the mouse does,
// and screen readers are told where the ring is.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <set>

#include "accessibility_recorder.h"
#include "ui/board/board_cursor.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

class BoardKeyboard : public UiTest {
protected:
    void SetUp() override
    {
        startGame();
        activate(window());
    }
    ui::FrmFerlow* window() { return views->mainWindow(); }
    ui::BoardCursor* board() { return window()->boardCursor(); }
    QWidget* cell(int position) { return control(window(), QString("Lbl1_%1").arg(position)); }
    static QWidget* focused() { return QApplication::focusWidget(); }

    // A key as the window system delivers it: to the widget with the focus.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = focused();
        ASSERT_NE(target, nullptr) << "nothing has the focus";
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    void tabToBoard()
    {
        for (int i = 0; i < 6 && focused() != board(); ++i) press(Qt::Key_Tab);
        ASSERT_EQ(focused(), board());
    }
    int ticks() const
    {
        int n = 0;
        for (const PlayedSound& s : host.sounds)
            if (s.mode == PlayMode::Sync && s.path.ends_with("tick.wav")) ++n;
        return n;
    }
};

TEST_F(BoardKeyboard, TabReachesTheBoardAfterTheButtons)
{
    // Nothing picked: Bet and Play are off, so the window starts on Exit as it
    // always did, and no ring shows.
    EXPECT_EQ(focused(), control(window(), "Cmdexit"));
    EXPECT_FALSE(board()->rings(board()->current()));

    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), board());
    EXPECT_TRUE(board()->rings(0));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), control(window(), "Cmdexit"));
    EXPECT_FALSE(board()->rings(0));

    // With four picks Bet takes the focus too: Exit, the board, Bet, round again.
    for (int p : {2, 9, 40, 77}) pressNumber(p);
    ASSERT_TRUE(control(window(), "Cmdbet")->isEnabled());
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), board());
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), control(window(), "Cmdbet"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), board());
}

TEST_F(BoardKeyboard, ArrowsMoveTheRingByRowsAndColumnsAcrossTheGap)
{
    struct Move {
        int from;  // board numbers, 1..80
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int to;
    };
    const Move moves[] = {
        {1, Qt::Key_Right, Qt::NoModifier, 2},      {10, Qt::Key_Right, Qt::NoModifier, 11},
        {40, Qt::Key_Right, Qt::NoModifier, 41},    {80, Qt::Key_Right, Qt::NoModifier, 1},
        {11, Qt::Key_Left, Qt::NoModifier, 10},     {1, Qt::Key_Left, Qt::NoModifier, 80},
        {5, Qt::Key_Down, Qt::NoModifier, 15},      {35, Qt::Key_Down, Qt::NoModifier, 45},
        {45, Qt::Key_Up, Qt::NoModifier, 35},       {75, Qt::Key_Down, Qt::NoModifier, 6},
        {80, Qt::Key_Down, Qt::NoModifier, 1},      {6, Qt::Key_Up, Qt::NoModifier, 75},
        {1, Qt::Key_Up, Qt::NoModifier, 80},        {47, Qt::Key_Home, Qt::NoModifier, 41},
        {47, Qt::Key_End, Qt::NoModifier, 50},      {47, Qt::Key_Home, Qt::ControlModifier, 1},
        {47, Qt::Key_End, Qt::ControlModifier, 80}, {47, Qt::Key_Down, Qt::KeypadModifier, 57},
    };
    tabToBoard();
    for (const Move& m : moves) {
        board()->setCurrent(m.from - 1);
        press(m.key, m.modifiers);
        EXPECT_EQ(board()->current() + 1, m.to)
            << "from " << m.from << " by key " << QKeySequence(m.key).toString().toStdString();
        EXPECT_EQ(focused(), board());
    }
}

TEST_F(BoardKeyboard, EachArrowAloneVisitsEveryNumberAndNeverLeavesTheBoard)
{
    tabToBoard();
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up}) {
        board()->setCurrent(33);
        std::set<int> visited;
        for (int i = 0; i < kBoardNumbers; ++i) {
            press(key);
            ASSERT_EQ(focused(), board()) << QKeySequence(key).toString().toStdString();
            visited.insert(board()->current());
        }
        EXPECT_EQ(visited.size(), std::size_t(kBoardNumbers)) << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(board()->current(), 33) << "80 steps come back round";
    }
    // Arrows with modifiers the board does not use move nothing and leave the
    // focus where it is.
    for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        press(Qt::Key_Down, modifier);
        EXPECT_EQ(focused(), board());
        EXPECT_EQ(board()->current(), 33);
    }
}

TEST_F(BoardKeyboard, TypedDigitsJumpToTheirNumber)
{
    tabToBoard();
    const auto type = [this](const char* digits) {
        for (const char* d = digits; *d; ++d) press(Qt::Key_0 + (*d - '0'));
    };
    type("17");
    EXPECT_EQ(board()->current() + 1, 17);
    type("80");  // "178" is no number: the 8 starts afresh, the 0 makes 80
    EXPECT_EQ(board()->current() + 1, 80);
    type("95");  // there is no 95: the 5 stands alone
    EXPECT_EQ(board()->current() + 1, 5);
    type("0");  // after that 5, a 0 makes 50
    EXPECT_EQ(board()->current() + 1, 50);
    type("0");  // "500" is no number, nor is 0 alone: the ring stays
    EXPECT_EQ(board()->current() + 1, 50);

    // Digits typed slower than the desktop's type-ahead interval are numbers of
    // their own.
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(30);
    type("1");
    QTest::qWait(80);
    type("2");
    QApplication::setKeyboardInputInterval(interval);
    EXPECT_EQ(board()->current() + 1, 2);
}

TEST_F(BoardKeyboard, SpacePicksTheRingedNumberAndEnterTakesItBack)
{
    tabToBoard();
    board()->setCurrent(16);
    host.sounds.clear();

    press(Qt::Key_Space);
    EXPECT_EQ(m.state.spots, 1);
    EXPECT_TRUE(m.main.Shp1[16].visible);
    EXPECT_TRUE(control(window(), "Shp1_16")->isVisible());
    EXPECT_EQ(ticks(), 1) << "the press ticks, as a mouse press does";

    press(Qt::Key_Return);
    EXPECT_EQ(m.state.spots, 0);
    EXPECT_FALSE(m.main.Shp1[16].visible);
    EXPECT_EQ(ticks(), 2);

    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(m.state.spots, 1);

    // A held key repeats; it is still one press.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(board(), &repeat);
    EXPECT_EQ(m.state.spots, 1);
    EXPECT_EQ(ticks(), 3);
    EXPECT_EQ(focused(), board());
}

// The keyboard's press and the mouse's press on every number, in two games that
// run alike, leave the two boards alike after every press: on an empty board
// until ten picks lock it, and again after a draw with red and purple balls.
TEST_F(BoardKeyboard, AKeyboardPressDoesWhatAMousePressDoesOnEveryNumber)
{
    FakeHost mouseHost;
    Machine mouseGame{mouseHost};
    auto mouseViews = std::make_unique<ui::Views>(mouseGame);
    mouseViews->run([&] { mouseGame.startUp(); });
    click(control(mouseViews->openingWindow(), "CmdPlay"));
    QWidget* mouseWindow = mouseViews->mainWindow();
    ASSERT_NE(mouseWindow, nullptr);

    const auto boardOf = [](const Machine& g) {
        std::string out = "spots " + std::to_string(g.state.spots) + (g.main.Cmdbet.enabled ? " bet on;" : " bet off;");
        for (int i = 0; i < kBoardNumbers; ++i) {
            const Marker& ball = g.main.Shp1[static_cast<std::size_t>(i)];
            out += " " + std::to_string(i + 1) + (g.main.Lbl1[static_cast<std::size_t>(i)].enabled ? "" : "x");
            if (ball.visible) out += "o" + std::to_string(static_cast<int>(ball.image)) + (ball.enabled ? "" : "-");
        }
        return out;
    };
    const auto pressAll = [&](const char* phase) {
        for (int p = 0; p < kBoardNumbers; ++p) {
            board()->setCurrent(p);
            QTest::keyClick(board(), Qt::Key_Space);
            QWidget* label = control(mouseWindow, QString("Lbl1_%1").arg(p));
            clickAt(mouseWindow, label->mapTo(mouseWindow, label->rect().center()));
            ASSERT_EQ(boardOf(m), boardOf(mouseGame)) << phase << ", after pressing " << p + 1;
            ASSERT_EQ(host.sounds.size(), mouseHost.sounds.size()) << phase << ", after pressing " << p + 1;
        }
    };
    const auto playTheTurn = [&](ui::Views& v) {
        click(control(v.mainWindow(), "Cmdbet"));
        QTest::keyClicks(control<QLineEdit>(v.betWindow(), "Txtfil"), "5");
        click(control(v.betWindow(), "Cmdok"));
        click(control(v.mainWindow(), "CmdPlay"));
    };

    pressAll("empty board");
    ASSERT_EQ(m.state.spots, 10);
    playTheTurn(*views);
    playTheTurn(*mouseViews);
    // Both games draw the same balls (same clock, same seed), or the comparison
    // below would mean nothing.
    ASSERT_EQ(boardOf(m), boardOf(mouseGame));
    pressAll("after the draw");
    mouseViews.reset();
}

TEST_F(BoardKeyboard, ScreenReadersHearTheRingedNumberAndItsState)
{
    AccessibilityRecorder recorder;
    tabToBoard();
    QCoreApplication::processEvents();  // the ringed number is told after the board's own focus
    ASSERT_FALSE(recorder.objectsOf(QAccessible::Focus).empty());
    EXPECT_EQ(recorder.objectsOf(QAccessible::Focus).back(), cell(0));

    press(Qt::Key_Right);
    EXPECT_EQ(recorder.objectsOf(QAccessible::Focus).back(), cell(1));
    QAccessibleInterface* two = QAccessible::queryAccessibleInterface(cell(1));
    QAccessibleInterface* one = QAccessible::queryAccessibleInterface(cell(0));
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->role(), QAccessible::Button);
    EXPECT_EQ(two->text(QAccessible::Name), "2");
    EXPECT_TRUE(two->state().focused);
    EXPECT_TRUE(two->state().focusable);
    EXPECT_FALSE(one->state().focused);

    recorder.clear();
    press(Qt::Key_Space);
    EXPECT_EQ(two->text(QAccessible::Name), "2, picked");
    EXPECT_EQ(recorder.count(QAccessible::NameChanged, cell(1)), 1);

    press(Qt::Key_Tab);
    EXPECT_FALSE(two->state().focused) << "the ring goes with the focus";
    // Moving the ring while the board lacks the focus tells nobody.
    recorder.clear();
    board()->setCurrent(60);
    EXPECT_EQ(recorder.count(QAccessible::Focus), 0);
}

TEST_F(BoardKeyboard, AScreenReaderCanPressANumberAndRingIt)
{
    QAccessibleInterface* cell41 = QAccessible::queryAccessibleInterface(cell(40));
    ASSERT_NE(cell41, nullptr);
    QAccessibleActionInterface* actions = cell41->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    host.sounds.clear();
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(m.main.Shp1[40].visible);
    EXPECT_EQ(ticks(), 1);
    EXPECT_EQ(cell41->text(QAccessible::Name), "41, picked");

    actions->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(focused(), board());
    EXPECT_TRUE(board()->rings(40));
}

// A keyboard player's turn: pick on the board, Alt+B, type the amount, Enter.
// The board never pulls the focus out of the amount field while it is open.
TEST_F(BoardKeyboard, AWholeTurnFromTheKeyboardLeavesTheAmountFieldItsFocus)
{
    tabToBoard();
    for (int i = 0; i < 4; ++i) {
        press(Qt::Key_Space);
        press(Qt::Key_Down);
    }
    EXPECT_EQ(m.state.spots, 4);
    press(Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(views->betWindow() && views->betWindow()->isVisible());
    activate(views->betWindow());
    QWidget* field = control(views->betWindow(), "Txtfil");
    EXPECT_EQ(focused(), field);

    views->syncAll();
    QTest::keyClicks(focused(), "7");
    views->syncAll();
    EXPECT_EQ(focused(), field);
    press(Qt::Key_Return);
    EXPECT_FALSE(views->betWindow()->isVisible());
    EXPECT_EQ(m.state.bet, 7);
}

}  // namespace
}  // namespace ferlow::test
