// The views bind the machine to the widgets: every event of every window reaches
// the machine, and what the machine writes reaches the widget of the same name.
// And ReadMe's link to the desktop's viewer.
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "app/viewer.h"
#include "engine/help_page.h"

#include "ui/board/board_cursor.h"
#include "ui_fixture.h"

namespace ferlow::test {
namespace {

using Bindings = UiTest;

// The board from the mouse (a press picks a number, a press on its ball takes it
// back) and from the keyboard, the menu by shortcut and as it opens, and every
// window's buttons and close box.
TEST_F(Bindings, EveryEventReachesTheMachine)
{
    startGame();
    pressNumber(16);
    EXPECT_TRUE(control("FrmFerlow", "Shp1_16")->isVisible());
    EXPECT_EQ(spoken(control("FrmFerlow", "Lbl1_16")), "17, picked");
    pressNumber(16);
    EXPECT_FALSE(control("FrmFerlow", "Shp1_16")->isVisible());
    // Tab reaches the board, the arrows move its ring, Space presses the ringed number.
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
    // Opening Quick Pick clears the board before its counts show.
    QWidget* main = window("FrmFerlow");
    main->findChild<QMenu*>("Mnuqp")->popup(main->geometry().center());
    EXPECT_EQ(m.state.spots, 0);
    QApplication::activePopupWidget()->close();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);  // Prizes
    EXPECT_TRUE(m.main.item(Menu::Mnupri).checked);

    // A menu item chosen first, if any; the window; its button, or null for its
    // close box; whether the press reached the machine.
    using Row = std::tuple<const char*, const char*, const char*, std::function<bool()>>;
    const Row rows[] = {
        {nullptr, "Ferlowprize", "CmdClose", [&] { return !m.prize.window.loaded; }},
        {nullptr, "FrmFerlow", "Cmdbet", [&] { return m.betDialog.window.visible; }},
        {nullptr, "Frmbet", "Cmdall", [&] { return m.state.bet == 30; }},
        {nullptr, "Frmbet", "Cmdhold", [&] { return m.state.betHeld; }},
        {nullptr, "Frmbet", "Cmd20", [&] { return m.state.bet == 20; }},
        {nullptr, "Frmbet", "Cmd10", [&] { return m.state.bet == 10; }},
        {nullptr, "Frmbet", "Cmd5", [&] { return m.state.bet == 5; }},
        {nullptr, "Frmbet", "Cmdok", [&] { return !m.betDialog.window.visible; }},
        {nullptr, "FrmFerlow", "CmdPlay", [&] { return m.state.turn == 1; }},
        {"Mnustats", "FrmStats", "CmdClose", [&] { return m.stats.window.loaded && !m.stats.window.visible; }},
        {"Mnustats", "FrmStats", nullptr, [&] { return !m.stats.window.loaded; }},
        {"Mnuvhsc", "Frmhsc", "CmdClose", [&] { return !m.hsc.window.visible && m.main.window.enabled; }},
        {"Mnuabt", "Frmabtkeno", "Cmdok", [&] { return !m.about.window.loaded; }},
        {"MnuHlp", "Frmhlpkeno", "CmdClose", [&] { return !m.help.window.loaded; }},
        {"Mnuinst", "FrmInsferlow", "CmdClose", [&] { return !m.instructions.window.loaded; }},
        {nullptr, "FrmFerlow", "Cmdexit", [&] { return host.messages.size() == 1; }},  // the exit question
    };
    for (int p : {3, 14, 25, 36}) pressNumber(p);
    for (const auto& [menu, name, button, reached] : rows) {
        if (menu) chooseMenu(menu);
        ASSERT_NE(window(name), nullptr) << name;
        button ? click(control(name, button)) : void(window(name)->close());
        EXPECT_TRUE(reached()) << name << " " << (button ? button : "close box");
    }
}

// Every control of every window shows its own model: each gets a tooltip and a
// lock no other control has while its window is hidden, and the widget of its
// name shows them once the window shows. Each menu item's lock and check mark
// likewise. And every widget the player can press, type into, read or look at
// has a name for screen readers.
TEST_F(Bindings, WhatTheMachineWritesReachesTheWidgetOfItsName)
{
    startGame();
    WindowState* windows[] = {&m.opening.window, &m.prize.window, &m.stats.window, &m.betDialog.window,
                              &m.hsc.window,     &m.about.window, &m.help.window,  &m.instructions.window};
    for (WindowState* w : windows) w->loaded = true;
    views->syncAll();

    using Named = std::pair<QString, Control*>;
    std::vector<std::tuple<const char*, QString, Control*>> rows;  // window, control, model
    const auto add = [&](const char* window, const std::vector<Named>& controls) {
        for (const auto& [name, model] : controls) {
            model->tooltip = "control " + std::to_string(rows.size());
            model->enabled = rows.size() % 2 == 0;
            rows.push_back({window, name, model});
        }
    };
// A control of a screen, by the name its widget has too.
#define C(screen, name) Named(#name, &screen.name)
    auto [M, O, B, H, A, S, L, I, P] =
        std::tie(m.main, m.opening, m.betDialog, m.hsc, m.about, m.stats, m.help, m.instructions, m.prize);
    add("FrmFerlow", {C(M, Image1), C(M, Lblname), C(M, LblHit), C(M, LblWon), C(M, LblCred), C(M, LblBet),
                      C(M, LblhitS), C(M, LblwonS), C(M, LblcredS), C(M, LblbetS), C(M, SSPNum), C(M, PicShow),
                      C(M, Cmdbet), C(M, CmdPlay), C(M, Cmdexit)});
    add("Ferlowopnscr", {C(O, Label1), C(O, Label2), C(O, Label3), C(O, Label4), C(O, Label5), C(O, Label6),
                         C(O, Label7), C(O, Label8), C(O, Label9), C(O, Label10), C(O, Picture1)});
    add("Frmbet", {C(B, Cmd5), C(B, Cmd10), C(B, Cmd20), C(B, Cmd50), C(B, Cmd100), C(B, Cmdall), C(B, Cmdhold),
                   C(B, Cmdok), C(B, Txtfil), C(B, Lblother), C(B, PnlGauge), C(B, Lblturn)});
    add("Frmhsc", {C(H, Lblpercent), C(H, Lblsign), C(H, PicFace), C(H, CmdClose), C(H, LblLoss)});
    add("Frmabtkeno", {C(A, SSPanel1), C(A, Label1), C(A, Label2), C(A, SSpnlreg), C(A, Label5), C(A, Cmdok)});
    add("FrmStats", {C(S, Pnlcentre), C(S, SSPanel2), C(S, CmdClose)});
    add("Frmhlpkeno", {C(L, Image1), C(L, CmdClose)});
    add("FrmInsferlow", {C(I, Lblins1), C(I, Lblins2), C(I, CmdClose)});
    add("Ferlowprize", {C(P, CmdClose)});
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
    for (MenuItem& item : m.main.menu) {
        item.enabled = !item.enabled;
        item.checked = !item.checked;
    }
    for (WindowState* w : windows) w->visible = true;
    views->syncAll();

    for (const auto& [win, name, model] : rows) {
        QWidget* w = control(win, name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->toolTip().toStdString(), model->tooltip) << win << " " << name.toStdString();
        EXPECT_EQ(w->testAttribute(Qt::WA_ForceDisabled), !model->enabled) << win << " " << name.toStdString();
    }
    for (const MenuItem& item : m.main.menu) {
        auto* action = window("FrmFerlow")->findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        if (item.kind == MenuKind::Separator) continue;
        EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
        EXPECT_EQ(action->isChecked(), item.kind == MenuKind::CheckItem && item.checked) << item.name;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->isVisible() && (c->focusPolicy() != Qt::NoFocus || !c->property("text").toString().isEmpty() ||
                                   !c->property("pixmap").value<QPixmap>().isNull())) {
                EXPECT_FALSE(spoken(c).isEmpty())
                    << w->objectName().toStdString() << " " << c->objectName().toStdString();
            }
}

// A screen reader cannot read the help page's picture: it is given its words.
TEST_F(Bindings, TheHelpPageGivesScreenReadersItsWords)
{
    startGame();
    chooseMenu("MnuHlp");
    const QString words = spoken(control("Frmhlpkeno", "Image1"), QAccessible::Description);
    EXPECT_TRUE(words.startsWith(QString(help::kTitle) + ". " + help::kTagline)) << words.toStdString();
    for (const help::Section& section : help::kSections) EXPECT_TRUE(words.contains(section.title)) << section.title;
    for (const char* markup : {"**", "[", "]"}) EXPECT_FALSE(words.contains(markup)) << markup;
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

// ReadMe hands the document to xdg-open. When that finds no viewer for it (it
// ends with a failure status) or is not there at all, the game is told.
TEST(ReadMeViewer, AViewerThatGivesUpIsReported)
{
    QTemporaryDir bin;
    QFile(bin.filePath("README.html")).open(QIODevice::WriteOnly);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    // What xdg-open is (nothing: there is none), and whether the game is told.
    for (const auto& [viewer, told] :
         {std::pair{"/bin/false", true}, std::pair{"/bin/true", false}, std::pair{"", true}}) {
        QFile::remove(bin.filePath("xdg-open"));
        QFile::link(viewer, bin.filePath("xdg-open"));
        bool failed = false;
        openWithViewer(bin.filePath("README.html"), [&] { failed = true; });
        EXPECT_EQ(QTest::qWaitFor([&] { return failed; }, told ? 5000 : 500), told) << "xdg-open: " << viewer;
    }
    qputenv("PATH", path);
}

}  // namespace
}  // namespace ferlow::test
