// A machine with its real windows, driven through the widgets: the fake host of
// the engine tests, with the built pictures, and helpers to reach the controls
// by their names.
#pragma once

#include <QAction>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "engine/machine/machine.h"
#include "support/fake_host.h"
#include "ui/views.h"
#include "ui/windows/about_window.h"
#include "ui/windows/bet_dialog.h"
#include "ui/windows/help_window.h"
#include "ui/windows/high_score_window.h"
#include "ui/windows/instructions_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/opening_window.h"
#include "ui/windows/prize_window.h"
#include "ui/windows/statistics_window.h"

namespace ferlow::test {

class UiTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Start-up, then Play on the opening window: the main window is up.
    void startGame();
    // A control of `window` by its objectName; fails the test when missing.
    template <class W = QWidget>
    W* control(QWidget* window, const QString& name)
    {
        EXPECT_NE(window, nullptr) << "no window for " << name.toStdString();
        if (!window) return nullptr;
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << "no control " << name.toStdString() << " in " << window->objectName().toStdString();
        return w;
    }
    QAction* menuAction(const char* name);
    void chooseMenu(const char* name);  // as the player does: the action is triggered
    void pressNumber(int position);     // a real mouse press on the board
    void click(QWidget* widget);        // a real left click in the middle of it
    // A left click at `pos` of `window`, delivered to whatever lies there on top,
    // as the window system would.
    void clickAt(QWidget* window, QPoint pos);
    // Picks `count` numbers on the board and presses Bet.
    void pickAndOpenBet(int count = 4);
    // Types `amount` into the bet dialog and presses Ok.
    void placeBet(const QString& amount);
    void playTurn();  // presses Play: the draw runs at once on the fake clock
    // Waits until `window` is the active window, which key presses and access
    // keys need; fails the test if it never becomes active.
    void activate(QWidget* window);

    FakeHost host;
    Machine m{host};
    std::unique_ptr<ui::Views> views = std::make_unique<ui::Views>(m);
};

}  // namespace ferlow::test
