#include "ui/board/board_cell.h"

#include <QAccessibleWidget>

#include "ui/board/board_cursor.h"

namespace ferlow::ui {
namespace {

class BoardCellAccessible : public QAccessibleWidget {
public:
    explicit BoardCellAccessible(BoardCell* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        const BoardCursor* cursor = cell()->boardCursor();
        s.focused = cursor && cursor->rings(cell()->position());
        return s;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString& action) override
    {
        BoardCursor* cursor = cell()->boardCursor();
        if (!cursor) return;
        if (action == pressAction()) {
            cursor->setCurrent(cell()->position());
            cursor->press(cell()->position());
        } else if (action == setFocusAction()) {
            cursor->setCurrent(cell()->position());
            cursor->setFocus(Qt::OtherFocusReason);
        }
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction()) return {QStringLiteral("Space")};
        return {};
    }

private:
    BoardCell* cell() const { return static_cast<BoardCell*>(widget()); }
};

QAccessibleInterface* boardCellFactory(const QString&, QObject* object)
{
    if (auto* cell = qobject_cast<BoardCell*>(object)) return new BoardCellAccessible(cell);
    return nullptr;
}

}  // namespace

BoardCell::BoardCell(const QString& objectName, int position, QWidget* board)
    : Panel(objectName, PanelStyle::Flat, board), position_(position)
{
    // Installing the same factory again is a no-op.
    QAccessible::installFactory(boardCellFactory);
}

}  // namespace ferlow::ui
