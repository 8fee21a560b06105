// A machine with its real windows on the offscreen platform, driven through the
// widgets as a player would: the engine tests' fake host, the pictures the build
// made, and every window and control reached by the name the game gives it.
#pragma once

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "engine/machine/machine.h"
#include "support/fake_host.h"
#include "ui/views.h"

namespace ferlow::test {

class UiTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        views.reset();
        // Windows unloaded during the test wait for the event loop to delete them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Start-up, then Play on the opening window.
    void startGame()
    {
        views->run([this] { m.startUp(); });
        click(control("Ferlowopnscr", "CmdPlay"));
        ASSERT_TRUE(window("FrmFerlow") && window("FrmFerlow")->isVisible());
    }
    // A shown window by its name, else null.
    static QWidget* window(const QString& name)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) return w;
        return nullptr;
    }
    // A control of a shown window; fails the test when either is missing.
    template <class W = QWidget>
    static W* control(const char* windowName, const QString& name)
    {
        QWidget* w = window(windowName);
        W* found = w ? w->findChild<W*>(name) : nullptr;
        EXPECT_NE(found, nullptr) << "no " << name.toStdString() << " in " << windowName;
        return found;
    }
    static void chooseMenu(const char* name)  // as a click on the item does
    {
        auto* action = window("FrmFerlow")->findChild<QAction*>(name);
        ASSERT_TRUE(action && action->isEnabled()) << name;
        action->trigger();
    }
    static void click(QWidget* w)
    {
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
    // A mouse press on board number `position`, on whatever lies on top there
    // (its ball, once it has one).
    static void pressNumber(int position)
    {
        QWidget* main = window("FrmFerlow");
        QWidget* cell = control("FrmFerlow", QString("Lbl1_%1").arg(position));
        const QPoint at = cell->mapTo(main, cell->rect().center());
        QTest::mouseClick(main->childAt(at), Qt::LeftButton, Qt::NoModifier, main->childAt(at)->mapFrom(main, at));
    }
    // Picks `count` numbers, presses Bet, types `amount` and presses Ok.
    static void pickAndBet(int count, const char* amount)
    {
        for (int i = 0; i < count; ++i) pressNumber(i * 7);
        click(control("FrmFerlow", "Cmdbet"));
        QTest::keyClicks(control<QLineEdit>("Frmbet", "Txtfil"), amount);
        click(control("Frmbet", "Cmdok"));
    }
    // What a screen reader is told of a widget.
    static QString spoken(QWidget* w, QAccessible::Text what = QAccessible::Name)
    {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(what) : QString();
    }
    // Makes a window the active one, as the window system does when the player
    // clicks it.
    static void activate(const char* name)
    {
        QWidget* w = window(name);
        w->activateWindow();
        // Asked of the application: a window counts itself active while a hidden
        // window it owns still holds the focus.
        ASSERT_TRUE(QTest::qWaitFor([w] { return QApplication::activeWindow() == w; })) << name;
    }

    FakeHost host;
    Machine m{host};
    std::unique_ptr<ui::Views> views = std::make_unique<ui::Views>(m);
};

}  // namespace ferlow::test
