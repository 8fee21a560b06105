#include "ui/widgets/aux_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <functional>

#include "ui/dispatcher.h"
#include "ui/widgets/program_icon.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {

AuxWindow::AuxWindow(const QString& objectName, WindowId id, WindowEvents& windows, Dispatcher& dispatcher,
                     const WindowState& model, Handler closed, Handler background)
    : windows_(windows), id_(id), dispatch_(dispatcher), model_(model), closed_(std::move(closed)),
      background_(std::move(background))
{
    setObjectName(objectName);
    // A fixed-size window with a close box and no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(programIcon());
    setAutoFillBackground(true);
}

void AuxWindow::run(const std::function<void()>& handler) { dispatch_.run(handler); }

void AuxWindow::syncWindow()
{
    const QSize client = clientSize(model_);
    if (client.isValid() && size() != client) setFixedSize(client);
    binding_.apply(*this, model_, dispatch_.ownerWindow());
}

bool AuxWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        const WindowId id = id_;
        run([this, id] { windows_.windowActivated(id); });
    }
    return QWidget::event(event);
}

void AuxWindow::closeEvent(QCloseEvent* event)
{
    // The machine decides whether and how the window goes. A locked window takes
    // no input, its close box included.
    event->ignore();
    if (!model_.enabled) return;
    run(closed_);
}

void AuxWindow::moveEvent(QMoveEvent* event)
{
    if (const auto at = binding_.moved(*this)) {
        const WindowId id = id_;
        run([this, id, at] { windows_.windowMoved(id, at->first, at->second); });
    }
    QWidget::moveEvent(event);
}

// Presses that no control took arrive here: on the bare background, or on a
// control that passes them on (labels and pictures that only beep).
void AuxWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !background_) {
        QWidget::mousePressEvent(event);
        return;
    }
    QWidget* child = childAt(event->position().toPoint());
    if (child && !toBackground_.contains(child)) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    run(background_);
}

}  // namespace ferlow::ui
