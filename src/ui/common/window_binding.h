// Keeps a top-level window in step with its model: caption, visibility, enabled
// state, mouse pointer and position. Moves made by the user flow back into the
// model, so placements relative to a window use where it really is.
#pragma once

#include <QWidget>

#include "engine/controls.h"

namespace ferlow::ui {

class WindowBinding {
public:
    // `clientSize` in pixels; the model's sizes are outer sizes.
    void apply(QWidget& window, const WindowState& model);
    // Call from the window's moveEvent.
    void moved(QWidget& window, WindowState& model);

private:
    double appliedLeft_ = -1e12;
    double appliedTop_ = -1e12;
};

Qt::CursorShape cursorFor(Pointer pointer);

}  // namespace ferlow::ui
