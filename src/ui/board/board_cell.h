// A number of the board as a screen reader meets it: a button read as its number
// and its state ("17, picked"), focused while the keyboard's ring is on it, with
// a press action that presses it as Space does.
#pragma once

#include <QPointer>

#include "ui/widgets/panel.h"

namespace ferlow::ui {

class BoardCursor;

class BoardCell : public Panel {
    Q_OBJECT
public:
    BoardCell(const QString& objectName, int position, QWidget* board);

    int position() const { return position_; }
    void setBoardCursor(BoardCursor* cursor) { cursor_ = cursor; }
    BoardCursor* boardCursor() const { return cursor_; }

private:
    int position_;
    QPointer<BoardCursor> cursor_;
};

}  // namespace ferlow::ui
