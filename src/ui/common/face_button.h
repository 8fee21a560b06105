// A 3-D command button whose face is a picture file, with its caption drawn on
// top. Presses and releases of the mouse and the space bar are reported so the
// machine can swap the face.
#pragma once

#include <QPushButton>

#include "engine/controls.h"

namespace ferlow::ui {

class FaceButton : public QPushButton {
    Q_OBJECT
public:
    FaceButton(const QString& objectName, QWidget* parent);

    void sync(const Button& model);

signals:
    void pressedDown();   // mouse button or space bar down
    void releasedUp();    // mouse button or space bar up
    void focusGained();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QPixmap face_;
    unsigned showings_ = 0;
};

}  // namespace ferlow::ui
