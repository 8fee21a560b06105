// A picture box or image control: shows the model's picture file, read from disk
// at every showing; a missing file leaves the box blank.
#pragma once

#include <QLabel>

#include "engine/controls.h"

namespace ferlow::ui {

class PictureView : public QLabel {
    Q_OBJECT
public:
    PictureView(const QString& objectName, QWidget* parent, bool scaled = true);

    void sync(const PictureBox& model);
    void syncPicture(const Picture& picture);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    unsigned showings_ = 0;
    bool scaled_;
};

}  // namespace ferlow::ui
