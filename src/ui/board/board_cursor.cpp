#include "ui/board/board_cursor.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include "ui/board/board_moves.h"

namespace ferlow::ui {

BoardCursor::BoardCursor(const QString& objectName, const std::array<QWidget*, kBoardNumbers>& cells, QWidget* board)
    : QWidget(board), cells_(cells)
{
    setObjectName(objectName);
    setGeometry(board->rect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Reached with Tab only: a click on a number keeps the focus where it was,
    // as it always has.
    setFocusPolicy(Qt::TabFocus);
    raise();
}

void BoardCursor::setCurrent(int position)
{
    if (position < 0 || position >= kBoardNumbers || position == current_) return;
    current_ = position;
    update();
    if (hasFocus()) announce();
}

void BoardCursor::press(int position)
{
    if (position < 0 || position >= kBoardNumbers) return;
    emit pressed(position);
}

bool BoardCursor::moveByKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    BoardMove move;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Left: move = BoardMove::Left; break;
        case Qt::Key_Right: move = BoardMove::Right; break;
        case Qt::Key_Up: move = BoardMove::Up; break;
        case Qt::Key_Down: move = BoardMove::Down; break;
        case Qt::Key_Home: move = BoardMove::RowStart; break;
        case Qt::Key_End: move = BoardMove::RowEnd; break;
        default: return false;
        }
    } else if (modifiers == Qt::ControlModifier && event->key() == Qt::Key_Home) {
        move = BoardMove::First;
    } else if (modifiers == Qt::ControlModifier && event->key() == Qt::Key_End) {
        move = BoardMove::Last;
    } else {
        return false;
    }
    setCurrent(boardMove(current_, move));
    return true;
}

// "1" then "7" goes to 17 when typed within the desktop's type-ahead interval;
// a digit that would make no number (a third one, "9" after "9") starts afresh.
void BoardCursor::typeDigit(int digit)
{
    if (!lastDigit_.isValid() || lastDigit_.elapsed() > QApplication::keyboardInputInterval()) typed_.clear();
    lastDigit_.start();
    const QString candidate = typed_ + QString::number(digit);
    const int number = candidate.toInt();
    if (candidate.size() <= 2 && number >= 1 && number <= kBoardNumbers) {
        typed_ = candidate;
        setCurrent(number - 1);
    } else if (digit >= 1) {
        typed_ = QString::number(digit);
        setCurrent(digit - 1);
    } else {
        typed_.clear();
    }
}

void BoardCursor::keyPressEvent(QKeyEvent* event)
{
    if (moveByKey(event)) {
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::NoModifier && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        // A held key is one press, as a held mouse button is.
        if (!event->isAutoRepeat()) press(current_);
        event->accept();
        return;
    }
    if (modifiers == Qt::NoModifier && key >= Qt::Key_0 && key <= Qt::Key_9) {
        typeDigit(key - Qt::Key_0);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void BoardCursor::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    // The toolkit tells screen readers about this layer taking the focus once
    // this handler returns; the ringed number is told after it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) announce();
        },
        Qt::QueuedConnection);
}

void BoardCursor::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    typed_.clear();
    update();
}

void BoardCursor::announce()
{
    QAccessibleEvent event(cells_[static_cast<std::size_t>(current_)], QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

// A yellow ring with a thin dark edge around it, so it stands out on the green
// board and on every ball. Its lines lie on whole pixels, sharp at any pixel
// ratio.
void BoardCursor::paintEvent(QPaintEvent*)
{
    if (!hasFocus()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const QRectF cell = cells_[static_cast<std::size_t>(current_)]->geometry();
    p.setPen(QPen(QColor(0, 0, 0, 170), 1));
    p.drawRoundedRect(cell.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setPen(QPen(ringColour(), 2));
    p.drawRoundedRect(cell.adjusted(2, 2, -2, -2), 3, 3);
}

}  // namespace ferlow::ui
