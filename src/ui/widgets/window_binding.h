// Keeps a top-level window in step with its model: caption, visibility, enabled
// state, mouse pointer and position. Moves made by the user flow back into the
// model, so placements relative to a window use where it really is.
#pragma once

#include <QWidget>
#include <optional>
#include <utility>

#include "engine/screens/controls.h"

namespace ferlow::ui {

class WindowBinding {
public:
    // Positions are the frame's, as the model's are. `owner`, when given, is the
    // window this one belongs to: the window manager keeps it above the owner and
    // gives it no task-bar entry of its own, so a locked main window can never
    // hide the window that holds the lock.
    void apply(QWidget& window, const WindowState& model, QWidget* owner = nullptr);
    // Call from the window's moveEvent: where a shown window's frame is now, in
    // twips, when it is not where the model put it (the player moved it).
    std::optional<std::pair<double, double>> moved(const QWidget& window);

private:
    double appliedLeft_ = -1e12;
    double appliedTop_ = -1e12;
};

Qt::CursorShape cursorFor(Pointer pointer);

}  // namespace ferlow::ui
