#include "ui/widgets/window_binding.h"

#include <QWindow>

#include "ui/widgets/twips.h"

namespace ferlow::ui {

Qt::CursorShape cursorFor(Pointer pointer)
{
    switch (pointer) {
    case Pointer::Default: return Qt::ArrowCursor;
    case Pointer::Hourglass: return Qt::WaitCursor;
    case Pointer::ArrowHourglass: return Qt::BusyCursor;
    }
    return Qt::ArrowCursor;
}

// Qt places a window by its frame when it is moved before its native window
// exists; once that exists and has never been shown, its frame is unknown and a
// move places the client area instead. So the native window is made only when
// the window first shows, after it has been moved where the model puts it.
static void belongTo(QWidget& window, QWidget* owner)
{
    if (!owner || owner == &window || window.windowHandle()) return;
    window.winId();
    owner->winId();
    window.windowHandle()->setTransientParent(owner->windowHandle());
}

void WindowBinding::apply(QWidget& window, const WindowState& model, QWidget* owner)
{
    const QString title = QString::fromStdString(model.caption);
    if (window.windowTitle() != title) window.setWindowTitle(title);
    if (model.left != appliedLeft_ || model.top != appliedTop_) {
        appliedLeft_ = model.left;
        appliedTop_ = model.top;
        window.move(px(model.left), px(model.top));
    }
    window.setEnabled(model.enabled);
    if (window.cursor().shape() != cursorFor(model.pointer)) window.setCursor(cursorFor(model.pointer));
    if (model.visible && !window.isVisible()) {
        belongTo(window, owner);
        window.show();
        window.raise();
        window.activateWindow();
    } else if (!model.visible && window.isVisible()) {
        window.hide();
    }
}

std::optional<std::pair<double, double>> WindowBinding::moved(const QWidget& window)
{
    if (!window.isVisible()) return std::nullopt;
    const double left = twips(window.x()), top = twips(window.y());
    if (left == appliedLeft_ && top == appliedTop_) return std::nullopt;
    appliedLeft_ = left;
    appliedTop_ = top;
    return std::pair{left, top};
}

}  // namespace ferlow::ui
