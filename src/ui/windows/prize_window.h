// Ferlowprize: the prize window: what the current bet pays for each hit count, ten hits at the
// top, two at the bottom, and Close.
#pragma once

#include <array>

#include "engine/machine/prize_window.h"
#include "engine/screens/prize_window.h"
#include "ui/widgets/aux_window.h"

namespace ferlow {
class Machine;
}

namespace ferlow::ui {

class FaceButton;
class Panel;

class Ferlowprize : public AuxWindow {
    Q_OBJECT
public:
    Ferlowprize(Machine& machine, Dispatcher& dispatcher);

    void sync();

private:
    PrizeWindowEvents& events_;
    const PrizeScreen& screen_;

    std::array<Panel*, 11> Lblpri_{};  // by hit count 2..10
    FaceButton* CmdClose_ = nullptr;
};

}  // namespace ferlow::ui
