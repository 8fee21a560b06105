// The prize window: what the current bet pays for each hit count.
#pragma once

#include <array>

#include "engine/rules/difficulty.h"
#include "engine/screens/controls.h"

namespace ferlow {

// Its size, set as it loads.
inline constexpr WindowSize kPrizeSize{2550, 4545};

struct PrizeScreen {
    PrizeScreen();

    WindowState window;
    std::array<Label, 11> Lblpri;  // rows by hit count 2..10
    Button CmdClose;
    // The table the rows show: a ticket of rowsSpots picks at rowsDifficulty.
    // Until the first prize build that is ten picks at Easy.
    int rowsSpots = 10;
    Difficulty rowsDifficulty = Difficulty::Easy;
    std::string tooltip;  // the window's own: what a credit returns on average

    Label& row(int hits) { return Lblpri[static_cast<std::size_t>(hits)]; }
    const Label& row(int hits) const { return Lblpri[static_cast<std::size_t>(hits)]; }
};

}  // namespace ferlow
