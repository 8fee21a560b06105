// The frame shared by the game's windows other than the main window: a fixed
// size from the model's outer size, caption, visibility, lock and pointer from
// the model, the close box and presses on the background passed to the machine.
#pragma once

#include <QSet>
#include <QWidget>

#include <functional>

#include "engine/machine/events.h"
#include "engine/screens/controls.h"
#include "ui/widgets/window_binding.h"

namespace ferlow::ui {

class Dispatcher;

class AuxWindow : public QWidget {
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    // Size, caption, lock, pointer, position and visibility; the subclasses' sync()
    // calls it last, after their controls.
    void syncWindow();

protected:
    // `closed` runs when the close box is used; `background` (may be null) when the
    // background, or a control marked with passToBackground, is pressed.
    AuxWindow(const QString& objectName, WindowId id, WindowEvents& windows, Dispatcher& dispatcher,
              const WindowState& model, Handler closed, Handler background);

    // Presses on this control count as presses on the window's background.
    void passToBackground(QWidget* control) { toBackground_.insert(control); }
    // Hands an event to the machine.
    void run(const std::function<void()>& handler);

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    WindowEvents& windows_;
    WindowId id_;
    Dispatcher& dispatch_;
    const WindowState& model_;
    WindowBinding binding_;
    Handler closed_;
    Handler background_;
    QSet<QWidget*> toBackground_;
};

}  // namespace ferlow::ui
