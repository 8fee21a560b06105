// FrmStats: the statistics window: how often each number 1..80 was drawn, each panel
// coloured by its rating, the draw's progress line across the middle, and the
// legend of the six ratings.
#pragma once

#include <array>

#include "engine/machine/statistics_window.h"
#include "engine/screens/statistics_window.h"
#include "ui/widgets/aux_window.h"

namespace ferlow {
class Machine;
}

namespace ferlow::ui {

class FaceButton;
class Panel;
class ShapeView;

class FrmStats : public AuxWindow {
    Q_OBJECT
public:
    FrmStats(Machine& machine, Dispatcher& dispatcher);

    void sync();

private:
    StatisticsWindowEvents& events_;
    const StatsScreen& screen_;

    void buildLegend(QWidget* footer);

    std::array<Panel*, kBoardNumbers + 1> PnlNum_{};  // by number 1..80
    Panel* Pnlcentre_ = nullptr;
    Panel* SSPanel2_ = nullptr;
    std::array<Panel*, 6> legendLabels_{};
    std::array<ShapeView*, 6> legendShapes_{};
    FaceButton* CmdClose_ = nullptr;
};

}  // namespace ferlow::ui
