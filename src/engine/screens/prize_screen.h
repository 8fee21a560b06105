// The prize window: what the current bet pays for each hit count.
#pragma once

#include <array>

#include "engine/controls.h"

namespace ferlow {

struct PrizeScreen {
    PrizeScreen();

    WindowState window;
    std::array<Label, 11> Lblpri;  // rows by hit count 2..10
    Button CmdClose;
    int rowsSpots = 10;            // the ticket the rows describe
    std::string tooltip;           // the window's own: what a credit returns on average

    Label& row(int hits) { return Lblpri[static_cast<std::size_t>(hits)]; }
};

}  // namespace ferlow
