// The statistics window: how often each number was drawn, colour-rated.
#pragma once

#include <array>

#include "engine/rules/keno.h"
#include "engine/screens/controls.h"

namespace ferlow {

// Its size: the client area's width plus the frame, and the height set as it loads.
inline constexpr WindowSize kStatsSize{5610 + kFrameWidthTwips, 4335};

// Where number n's panel lies in the window's client area: ten to a row, rows
// 0..3 above the gap and 4..7 below it; the centre panel lies across the gap.
inline constexpr TwipsRect statsPanelRect(int number)
{
    constexpr int rowTops[8] = {45, 360, 675, 990, 1545, 1860, 2175, 2490};
    const int i = number - 1;
    return {60 + (i % 10) * 540, rowTops[i / 10], 540, 300};
}
inline constexpr TwipsRect kStatsCentrePanelRect{0, 1275, 5490, 285};

struct StatsScreen {
    StatsScreen();

    WindowState window;
    std::array<Label, kBoardNumbers + 1> PnlNum;  // by number 1..80
    Label Pnlcentre;
    Label SSPanel2;                     // legend frame with its heading
    std::array<Label, 6> legendLabels;  // Label1..Label6
    std::array<Color, 6> legendShapes;  // Shape(1..6)
    Button CmdClose;

    Label& panel(int number) { return PnlNum[static_cast<std::size_t>(number)]; }
    const Label& panel(int number) const { return PnlNum[static_cast<std::size_t>(number)]; }
};

// Rating bands of a number's draw count, from "Poor" (1) to "Excellent" (13+).
struct RatingBand {
    const char* name;
    Color colour;
};
const RatingBand& ratingBandForCount(int count);
const std::array<RatingBand, 6>& ratingBands();

}  // namespace ferlow
