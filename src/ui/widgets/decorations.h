// Shapes and lines: the windows' decorations and the statistics legend's colour
// swatches. They take no input; presses fall through to what lies below.
#pragma once

#include <QColor>
#include <QFrame>
#include <QWidget>

namespace ferlow::ui {

class ShapeView : public QWidget {
public:
    enum class Kind { Swatch, Outline };

    ShapeView(const QString& objectName, Kind kind, QWidget* parent);

    // Swatch: the fill colour; Outline: the line colour.
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor colour_;
};

// An etched horizontal or vertical line.
QFrame* makeLine(const QString& objectName, Qt::Orientation orientation, QWidget* parent);

}  // namespace ferlow::ui
