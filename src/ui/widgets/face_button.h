// A 3-D command button whose face is a picture file, with its caption drawn on
// top (without a face it is a plain 3-D push button). Presses and releases of the
// mouse and the space bar are reported so the machine can swap the face, and Enter
// pressed while it has the focus is reported as a key of its own: the windows
// differ in what Enter on a button does.
#pragma once

#include <QPushButton>

#include "engine/screens/controls.h"

namespace ferlow::ui {

class FaceButton : public QPushButton {
    Q_OBJECT
public:
    FaceButton(const QString& objectName, QWidget* parent);

    void sync(const Button& model);

signals:
    void pressedDown();  // mouse button or space bar down
    void releasedUp();   // mouse button or space bar up
    void focusGained();
    void enterPressed();  // Return or Enter while it has the focus

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
