#include "engine/screens/statistics_window.h"

#include <string>

namespace ferlow {

const std::array<RatingBand, 6>& ratingBands()
{
    static const std::array<RatingBand, 6> bands{{
        {"Poor", Color::rgb(255, 148, 48)},
        {"Below Average", Color::rgb(255, 168, 255)},
        {"Average", Color::rgb(0, 135, 252)},
        {"Good", Color::rgb(0, 239, 0)},
        {"Great", Color::rgb(247, 207, 105)},
        {"Excellent", Color::rgb(247, 249, 2)},
    }};
    return bands;
}

const RatingBand& ratingBandForCount(int count)
{
    const auto& b = ratingBands();
    if (count <= 1) return b[0];
    if (count <= 3) return b[1];
    if (count <= 6) return b[2];
    if (count <= 9) return b[3];
    if (count <= 12) return b[4];
    return b[5];
}

StatsScreen::StatsScreen()
{
    window.caption = "Ferlow Statistics";
    window.width = kStatsSize.width;
    for (auto& panel : PnlNum) panel.back = Color::buttonFace();
    SSPanel2.caption = Caption(std::string(20, ' ') + "Number Ratings");
    for (std::size_t i = 0; i < legendLabels.size(); ++i) {
        legendLabels[i].caption = Caption(ratingBands()[i].name);
        legendShapes[i] = Color::buttonFace();
    }
    CmdClose.caption = "&Close";
}

}  // namespace ferlow
