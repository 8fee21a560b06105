#include "ui/common/window_binding.h"

#include "ui/common/twips.h"

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

void WindowBinding::apply(QWidget& window, const WindowState& model)
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
        window.show();
        window.raise();
        window.activateWindow();
    } else if (!model.visible && window.isVisible()) {
        window.hide();
    }
}

void WindowBinding::moved(QWidget& window, WindowState& model)
{
    if (!window.isVisible()) return;
    model.left = appliedLeft_ = twips(window.x());
    model.top = appliedTop_ = twips(window.y());
}

}  // namespace ferlow::ui
