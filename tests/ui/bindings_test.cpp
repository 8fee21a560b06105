// The views bind the machine to the widgets: a click on any window's button, a
// press on the board, a key on it or a menu command reaches the machine, and
// what the machine writes reaches the widget of the same name, also in a window
// that was hidden while it changed. And ReadMe's link to the desktop's viewer.
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

#include "app/viewer.h"

#include "ui/board/board_cursor.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

using Bindings = UiTest;

TEST_F(Bindings, EachWindowsButtonsReachTheMachine)
{
    // A menu item chosen first, if any; the window; its button, or null for its
    // close box; whether the press reached the machine.
    using Row = std::tuple<const char*, const char*, const char*, std::function<bool()>>;
    const Row rows[] = {
        {nullptr, "FrmFerlow", "Cmdbet", [&] { return m.betDialog.window.visible; }},
        {nullptr, "Frmbet", "Cmdall", [&] { return m.state.bet == 30; }},
        {nullptr, "Frmbet", "Cmdhold", [&] { return m.state.betHeld; }},
        {nullptr, "Frmbet", "Cmd20", [&] { return m.state.bet == 20; }},
        {nullptr, "Frmbet", "Cmd10", [&] { return m.state.bet == 10; }},
        {nullptr, "Frmbet", "Cmd5", [&] { return m.state.bet == 5; }},
        {nullptr, "Frmbet", "Cmdok", [&] { return !m.betDialog.window.visible; }},
        {nullptr, "FrmFerlow", "CmdPlay", [&] { return m.state.turn == 1; }},
        {"Mnupri", "Ferlowprize", "CmdClose", [&] { return !m.prize.window.loaded; }},
        {"Mnustats", "FrmStats", "CmdClose", [&] { return m.stats.window.loaded && !m.stats.window.visible; }},
        {"Mnustats", "FrmStats", nullptr, [&] { return !m.stats.window.loaded; }},
        {"Mnuvhsc", "Frmhsc", "CmdClose", [&] { return !m.hsc.window.visible && m.main.window.enabled; }},
        {"Mnuabt", "Frmabtkeno", "Cmdok", [&] { return !m.about.window.loaded; }},
        {"MnuHlp", "Frmhlpkeno", "CmdClose", [&] { return !m.help.window.loaded; }},
        {"Mnuinst", "FrmInsferlow", "CmdClose", [&] { return !m.instructions.window.loaded; }},
        {nullptr, "FrmFerlow", "Cmdexit", [&] { return host.messages.size() == 1; }},  // the exit question
    };
    startGame();
    for (int p : {3, 14, 25, 36}) pressNumber(p);
    for (const auto& [menu, name, button, reached] : rows) {
        if (menu) chooseMenu(menu);
        ASSERT_NE(window(name), nullptr) << name;
        button ? click(control(name, button)) : void(window(name)->close());
        EXPECT_TRUE(reached()) << name << " " << (button ? button : "close box");
    }
}

// Every control of every window shows its own model: each gets a tooltip and
// a lock no other control has, and the widget of its name shows them. And every
// widget the player can press, type into, read or look at has a name for screen
// readers.
TEST_F(Bindings, EveryControlShowsItsOwnModel)
{
    startGame();
    using Named = std::pair<QString, Control*>;
    std::vector<std::tuple<const char*, QString, Control*>> rows;  // window, control, model
    // The controls of `window`, each given its own tooltip, every other one locked.
    const auto add = [&](const char* window, const std::vector<Named>& controls) {
        for (const auto& [name, model] : controls) {
            model->tooltip = "control " + std::to_string(rows.size());
            model->enabled = rows.size() % 2 == 0;
            rows.push_back({window, name, model});
        }
    };
// A control of a screen, by the name its widget has too.
#define C(screen, name) Named(#name, &screen.name)
    OpeningScreen& o = m.opening;
    BetScreen& b = m.betDialog;
    add("FrmFerlow",
        {C(m.main, Image1), C(m.main, Lblname), C(m.main, LblHit), C(m.main, LblWon), C(m.main, LblCred),
         C(m.main, LblBet), C(m.main, LblhitS), C(m.main, LblwonS), C(m.main, LblcredS), C(m.main, LblbetS),
         C(m.main, SSPNum), C(m.main, PicShow), C(m.main, Cmdbet), C(m.main, CmdPlay), C(m.main, Cmdexit)});
    add("Ferlowopnscr", {C(o, Label1), C(o, Label2), C(o, Label3), C(o, Label4), C(o, Label5), C(o, Label6),
                         C(o, Label7), C(o, Label8), C(o, Label9), C(o, Label10), C(o, Picture1)});
    add("Frmbet", {C(b, Cmd5), C(b, Cmd10), C(b, Cmd20), C(b, Cmd50), C(b, Cmd100), C(b, Cmdall), C(b, Cmdhold),
                   C(b, Cmdok), C(b, Txtfil), C(b, Lblother), C(b, PnlGauge), C(b, Lblturn)});
    add("Frmhsc", {C(m.hsc, Lblpercent), C(m.hsc, Lblsign), C(m.hsc, PicFace), C(m.hsc, CmdClose), C(m.hsc, LblLoss)});
    add("Frmabtkeno", {C(m.about, SSPanel1), C(m.about, Label1), C(m.about, Label2), C(m.about, SSpnlreg),
                       C(m.about, Label5), C(m.about, Cmdok)});
    add("FrmStats", {C(m.stats, Pnlcentre), C(m.stats, SSPanel2), C(m.stats, CmdClose)});
    add("Frmhlpkeno", {C(m.help, Image1), C(m.help, CmdClose)});
    add("FrmInsferlow", {C(m.instructions, Lblins1), C(m.instructions, Lblins2), C(m.instructions, CmdClose)});
    add("Ferlowprize", {C(m.prize, CmdClose)});
#undef C
    for (std::size_t i = 0; i < kBoardNumbers; ++i) add("FrmFerlow", {{QString("Lbl1_%1").arg(i), &m.main.Lbl1[i]}});
    for (int h = 2; h <= 10; ++h) add("Ferlowprize", {{QString("Lblpri_%1").arg(h), &m.prize.row(h)}});
    for (int n = 1; n <= kBoardNumbers; ++n) add("FrmStats", {{QString("PnlNum_%1").arg(n), &m.stats.panel(n)}});
    for (std::size_t i = 0; i < 6; ++i) add("FrmStats", {{QString("Label%1").arg(i + 1), &m.stats.legendLabels[i]}});
    for (std::size_t i = 0; i < kHighScorePlaces; ++i) {
        const QString place = QString::number(i + 1);
        add("Frmhsc", {{"Lblhi" + place, &m.hsc.Lblhi[i]},
                       {"Lblp" + place, &m.hsc.Lblp[i]},
                       {"Txtnam" + place, &m.hsc.Txtnam[i]}});
    }
    for (WindowState* w : {&m.opening.window, &m.prize.window, &m.stats.window, &m.betDialog.window, &m.hsc.window,
                           &m.about.window, &m.help.window, &m.instructions.window})
        w->loaded = w->visible = true;
    views->syncAll();
    for (const auto& [win, name, model] : rows) {
        QWidget* w = control(win, name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->toolTip().toStdString(), model->tooltip) << win << " " << name.toStdString();
        EXPECT_EQ(w->testAttribute(Qt::WA_ForceDisabled), !model->enabled) << win << " " << name.toStdString();
        for (QWidget* w : QApplication::topLevelWidgets())
            for (QWidget* c : w->findChildren<QWidget*>())
                if (c->isVisible() && (c->focusPolicy() != Qt::NoFocus || !c->property("text").toString().isEmpty() ||
                                       !c->property("pixmap").value<QPixmap>().isNull())) {
                    EXPECT_FALSE(spoken(c).isEmpty())
                        << w->objectName().toStdString() << " " << c->objectName().toStdString();
                }
    }
}

// The board from the mouse and from the keyboard: a press picks a number (and a
// screen reader hears it is picked), and a press on its ball takes it back; Tab reaches the board, the arrows move its
// ring and Space presses the ringed number.
TEST_F(Bindings, TheBoardTakesTheMouseAndTheKeyboard)
{
    startGame();
    pressNumber(16);
    EXPECT_TRUE(control("FrmFerlow", "Shp1_16")->isVisible());
    EXPECT_EQ(spoken(control("FrmFerlow", "Lbl1_16")), "17, picked");
    pressNumber(16);
    EXPECT_FALSE(control("FrmFerlow", "Shp1_16")->isVisible());

    activate("FrmFerlow");
    auto* board = control<ui::BoardCursor>("FrmFerlow", "BoardCursor");
    for (int i = 0; i < 6 && QApplication::focusWidget() != board; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), board);
    EXPECT_TRUE(board->rings(16));  // where the mouse pressed last
    QTest::keyClick(board, Qt::Key_Right);
    QTest::keyClick(board, Qt::Key_Down);  // from 18 to 28
    QTest::keyClick(board, Qt::Key_Space);
    EXPECT_TRUE(m.main.Shp1[27].visible);
}

// Each menu item carries the model's caption and shortcut; its lock and check
// mark follow the model; triggering it, by its shortcut too, reaches the machine.
TEST_F(Bindings, MenuItemsFollowTheModel)
{
    startGame();
    activate("FrmFerlow");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);  // Prizes
    EXPECT_TRUE(m.main.item(Menu::Mnupri).checked);
    // Opening Quick Pick clears the board before its counts show.
    QWidget* main = window("FrmFerlow");
    pressNumber(5);
    main->findChild<QMenu*>("Mnuqp")->popup(main->geometry().center());
    EXPECT_EQ(m.state.spots, 0);
    QApplication::activePopupWidget()->close();

    const auto action = [&](const MenuItem& item) { return main->findChild<QAction*>(item.name); };
    for (MenuItem& item : m.main.menu) {
        ASSERT_NE(action(item), nullptr) << item.name;
        if (item.kind == MenuKind::Separator) continue;
        EXPECT_EQ(action(item)->text().toStdString(), item.caption) << item.name;
        EXPECT_EQ(action(item)->shortcut(), QKeySequence(QString::fromStdString(item.shortcut))) << item.name;
        item.enabled = !item.enabled;
        item.checked = !item.checked;
    }
    views->syncAll();
    for (const MenuItem& item : m.main.menu) {
        EXPECT_EQ(action(item)->isEnabled(), item.enabled) << item.name;
        EXPECT_EQ(action(item)->isChecked(), item.kind == MenuKind::CheckItem && item.checked) << item.name;
    }
}

// After a refused amount the main window takes input again; going there and
// back to the bet dialog runs the dialog's activation, which empties the field.
TEST_F(Bindings, ComingBackToTheBetDialogEmptiesTheField)
{
    startGame();
    pickAndBet(4, "70");
    ASSERT_EQ(host.messages.back().title, "Credit too low");
    activate("FrmFerlow");
    activate("Frmbet");
    EXPECT_EQ(control<QLineEdit>("Frmbet", "Txtfil")->text(), "");
}

// A hidden window is not gone over while the game runs; shown again after a
// draw, it shows the draw's counts.
TEST_F(Bindings, AHiddenWindowCatchesUpWhenItShows)
{
    startGame();
    chooseMenu("Mnustats");
    click(control("FrmStats", "CmdClose"));
    ASSERT_TRUE(m.stats.window.loaded);
    pickAndBet(4, "5");
    playTurn();
    chooseMenu("Mnustats");
    for (int n = 1; n <= kBoardNumbers; ++n)
        EXPECT_EQ(control<QLabel>("FrmStats", QString("PnlNum_%1").arg(n))->text().toStdString(),
                  m.stats.panel(n).caption.text());
}

// ReadMe hands the document to xdg-open. When that finds no viewer for it (it
// ends with a failure status) or is not there at all, the game is told.
TEST(ReadMeViewer, AViewerThatGivesUpIsReported)
{
    QTemporaryDir bin;
    QFile(bin.filePath("README.html")).open(QIODevice::WriteOnly);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    // xdg-open's body (none: there is no xdg-open), and whether the game is told.
    for (const auto& [body, told] : {std::pair{"exit 3", true}, std::pair{"exit 0", false}, std::pair{"", true}}) {
        QFile xdgOpen(bin.filePath("xdg-open"));
        xdgOpen.remove();
        if (*body && xdgOpen.open(QIODevice::WriteOnly)) {
            xdgOpen.write(QByteArray("#!/bin/sh\n") + body + "\n");
            xdgOpen.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            xdgOpen.close();
        }
        bool failed = false;
        openWithViewer(bin.filePath("README.html"), [&] { failed = true; });
        EXPECT_EQ(QTest::qWaitFor([&] { return failed; }, told ? 5000 : 500), told) << "xdg-open: " << body;
    }
    qputenv("PATH", path);
}

}  // namespace
}  // namespace ferlow::test
