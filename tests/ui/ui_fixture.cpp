#include "ui_fixture.h"

#include <QApplication>
#include <QLineEdit>

namespace ferlow::test {

void UiTest::TearDown()
{
    views.reset();
    // Windows unloaded during the test wait for the event loop to delete them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void UiTest::startGame()
{
    views->run([this] { m.startUp(); });
    ASSERT_NE(views->openingWindow(), nullptr);
    click(control(views->openingWindow(), "CmdPlay"));
    ASSERT_NE(views->mainWindow(), nullptr);
    ASSERT_TRUE(views->mainWindow()->isVisible());
}

QAction* UiTest::menuAction(const char* name)
{
    if (!views->mainWindow()) return nullptr;
    auto* action = views->mainWindow()->findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << "no menu item " << name;
    return action;
}

void UiTest::chooseMenu(const char* name)
{
    if (QAction* action = menuAction(name)) {
        ASSERT_TRUE(action->isEnabled()) << name << " is disabled";
        action->trigger();
    }
}

void UiTest::pressNumber(int position)
{
    QWidget* label = control(views->mainWindow(), QString("Lbl1_%1").arg(position));
    ASSERT_NE(label, nullptr);
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton);
}

void UiTest::click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void UiTest::clickAt(QWidget* window, QPoint pos)
{
    ASSERT_NE(window, nullptr);
    QWidget* target = window->childAt(pos);
    if (!target) target = window;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, pos));
}

void UiTest::pickAndOpenBet(int count)
{
    for (int i = 0; i < count; ++i) pressNumber(i * 7);
    click(control(views->mainWindow(), "Cmdbet"));
    ASSERT_NE(views->betWindow(), nullptr);
    ASSERT_TRUE(views->betWindow()->isVisible());
}

void UiTest::placeBet(const QString& amount)
{
    auto* field = control<QLineEdit>(views->betWindow(), "Txtfil");
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, amount);
    click(control(views->betWindow(), "Cmdok"));
}

void UiTest::activate(QWidget* window)
{
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    // Asked of the application, not of the window: a window counts itself active
    // while a hidden window it owns still holds the focus.
    const bool active = QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    ASSERT_TRUE(active) << window->objectName().toStdString() << " never became active";
}

void UiTest::playTurn() { click(control(views->mainWindow(), "CmdPlay")); }

}  // namespace ferlow::test
