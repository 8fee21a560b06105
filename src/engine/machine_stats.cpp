// The number statistics: counts by number and the colour-rated panels.
#include <string>

#include "engine/machine.h"

namespace ferlow {

StatsScreen& Machine::statsWindow()
{
    loadStatsWindow();
    return stats;
}

PrizeScreen& Machine::prizeWindow()
{
    loadPrizeWindow();
    return prize;
}

void Machine::resetNumberStats()
{
    StatsScreen& s = statsWindow();
    for (int n = 1; n <= kBoardNumbers; ++n) {
        state.numberStats[static_cast<std::size_t>(n)] = 0;
        s.panel(n).caption.set(std::to_string(n) + ",0");
    }
    state.creditsLost = 0;
    hsc.LblLoss.caption.set("You lost " + std::to_string(0) + " credits");
}

void Machine::resetStatsColours()
{
    StatsScreen& s = statsWindow();
    for (int n = 1; n <= kBoardNumbers; ++n) s.panel(n).back = Color::buttonFace();
}

}  // namespace ferlow
