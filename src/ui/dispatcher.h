// How a view hands an event to the machine: the handler runs, then every window
// is brought up to date with the models.
#pragma once

#include <functional>

class QWidget;

namespace ferlow::ui {

class Dispatcher {
public:
    virtual ~Dispatcher() = default;
    virtual void run(const std::function<void()>& handler) = 0;
    // The window the game's other windows belong to (the main window), or null.
    virtual QWidget* ownerWindow() const { return nullptr; }
};

}  // namespace ferlow::ui
