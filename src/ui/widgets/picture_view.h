// A picture box or image control: shows the model's picture file, read from disk
// at every showing; a missing file leaves the box blank.
#pragma once

#include <QLabel>
#include <functional>

#include "engine/screens/controls.h"

namespace ferlow::ui {

class PictureView : public QLabel {
    Q_OBJECT
public:
    PictureView(const QString& objectName, QWidget* parent, bool scaled = true);

    // Read as `spokenName` ("Logo", "Face"), described by the tooltip.
    void setSpokenName(const QString& name);
    // A description for pictures that carry meaning without a tooltip.
    void setDescriber(std::function<QString(const PictureBox&)> describe) { describe_ = std::move(describe); }
    void sync(const PictureBox& model);
    void syncPicture(const Picture& picture);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // A picture keeps its colours while its window is locked; the toolkit would
    // grey it out.
    void paintEvent(QPaintEvent* event) override;

private:
    unsigned showings_ = 0;
    bool scaled_;
    std::function<QString(const PictureBox&)> describe_;
};

}  // namespace ferlow::ui
