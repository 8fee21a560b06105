// How a view hands an event to the machine: the handler runs, then every window
// is brought up to date with the models.
#pragma once

#include <functional>

namespace ferlow::ui {

class Dispatcher {
public:
    virtual ~Dispatcher() = default;
    virtual void run(const std::function<void()>& handler) = 0;
};

}  // namespace ferlow::ui
