// A ball marker lying over a board number. While disabled it lets presses through
// to the number below it.
#pragma once

#include <QWidget>

#include "engine/screens/controls.h"

namespace ferlow::ui {

// What a ball says of its number: "picked", "drawn" (drawn, not picked), "hit"
// (picked and drawn), or nothing while no ball lies there.
QString markerStateWord(const Marker& marker);

class MarkerView : public QWidget {
    Q_OBJECT
public:
    MarkerView(const QString& objectName, QWidget* parent);

    void sync(const Marker& model);
    // The number under the ball, written on it so a picked number stays readable.
    void setNumber(int number);
    ListImage image() const { return image_; }

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ListImage image_ = ListImage::Picked;
    int number_ = 0;
};

}  // namespace ferlow::ui
