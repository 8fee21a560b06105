// FrmStats: the statistics window. Counts by number and the colour-rated panels.
#include <string>

#include "engine/machine/machine.h"

namespace ferlow {
namespace {

void unloadStatsWindow(MainScreen& main, StatsScreen& stats)
{
    main.item(Menu::Mnustats).checked = false;
    stats.window.visible = false;
    stats.window.loaded = false;
}

}  // namespace

StatsScreen& Machine::statsWindow()
{
    loadStatsWindow();
    return stats;
}

void Machine::resetNumberStats()
{
    StatsScreen& s = statsWindow();
    for (int n = 1; n <= kBoardNumbers; ++n) {
        state.numberStats[static_cast<std::size_t>(n)] = 0;
        s.panel(n).caption.set(std::to_string(n) + ",0");
    }
    state.creditsLost = 0;
    hsc.LblLoss.caption.set(lossText(0));
}

void Machine::resetStatsColours()
{
    StatsScreen& s = statsWindow();
    for (int n = 1; n <= kBoardNumbers; ++n) s.panel(n).back = Color::buttonFace();
}

}  // namespace ferlow

namespace ferlow {

void Machine::showNumberStat(int number)
{
    const int count = state.numberStats[static_cast<std::size_t>(number)];
    Label& panel = statsWindow().panel(number);
    panel.back = ratingBandForCount(count).colour;
    panel.caption.set(std::to_string(number) + "," + std::to_string(count));
}

void Machine::statsCloseClicked()
{
    if (!stats.window.loaded || !stats.window.enabled) return;
    playTick();
    main.item(Menu::Mnustats).checked = false;
    stats.window.visible = false;
}

// The close box unloads the window: shown again, its panels start from their
// design state and fill again ball by ball, though the counts are kept.
void Machine::statsFrameClosed()
{
    if (!stats.window.loaded) return;
    unloadStatsWindow(main, stats);
}

void Machine::statsBackgroundClicked() { host_.beep(); }

void Machine::loadStatsWindow()
{
    if (stats.window.loaded) return;
    stats = StatsScreen{};
    stats.window.loaded = true;
    stats.window.height = kStatsSize.height;
    // The legend's colours belong to the window: every loading paints them, also
    // after the close box has unloaded it.
    for (std::size_t i = 0; i < stats.legendShapes.size(); ++i) stats.legendShapes[i] = ratingBands()[i].colour;
}

}  // namespace ferlow
