// The board's keyboard focus: a see-through layer over the 80 numbers that takes
// the focus with Tab, moves a ring over the numbers with the arrow keys (the
// rule is in board_moves.h), jumps to a number typed as digits, and asks for the
// ringed number to be pressed with Space or Enter. Screen readers are told which
// number the ring is on. Mouse presses pass through it to the numbers below.
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QWidget>
#include <array>

#include "engine/machine/game_state.h"

namespace ferlow::ui {

class BoardCursor : public QWidget {
    Q_OBJECT
public:
    // `cells` are the numbers' labels, children of `board` like this layer.
    BoardCursor(const QString& objectName, const std::array<QWidget*, kBoardNumbers>& cells, QWidget* board);

    int current() const { return current_; }
    // Moves the ring, as a mouse press on a number does; never takes the focus.
    void setCurrent(int position);
    // True while the ring is shown on `position`: the board has the focus.
    bool rings(int position) const { return hasFocus() && position == current_; }
    // Asks for `position` to be pressed (Space, Enter, or a screen reader's
    // press action).
    void press(int position);

    static QColor ringColour() { return {255, 221, 0}; }

signals:
    void pressed(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool moveByKey(const QKeyEvent* event);
    void typeDigit(int digit);
    void announce();

    std::array<QWidget*, kBoardNumbers> cells_;
    int current_ = 0;
    QString typed_;  // digits typed in quick succession, read as one number
    QElapsedTimer lastDigit_;
};

}  // namespace ferlow::ui
