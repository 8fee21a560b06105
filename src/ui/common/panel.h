// Labels and 3-D panels that draw a label model: caption, colours, tooltip,
// enabled and visible state.
#pragma once

#include <QLabel>

#include "engine/controls.h"

namespace ferlow::ui {

enum class PanelStyle { Flat, Raised, Inset };

class Panel : public QLabel {
    Q_OBJECT
public:
    Panel(const QString& objectName, PanelStyle style, QWidget* parent);

    void sync(const Label& model);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Color fore_{};
    Color back_{};
    bool coloured_ = false;
};

// Makes a plain frame of the given 3-D style (a group box without a title).
QFrame* makeFrame(const QString& objectName, PanelStyle style, QWidget* parent);

}  // namespace ferlow::ui
