#include "engine/screens/high_score_window.h"

#include "engine/rules/format.h"

namespace ferlow {

std::string lossText(int creditsLost) { return "You lost " + std::to_string(creditsLost) + " credits"; }

std::string scoreCaption(std::int64_t score, int place)
{
    return fmt::groupedOrEmpty(score) + std::to_string(place) + " Highest Score ";
}

HighScoreScreen::HighScoreScreen()
{
    window.caption = "High Scores";
    window.width = kHighScoreSize.width;
    window.height = kHighScoreSize.height;
    Lblsign.caption = Caption("Please enter your Name below. ");
    Lblsign.fore = Color::rgb(128, 0, 0);
    Lblsign.visible = false;
    for (auto& label : Lblhi) {
        label.fore = Color::rgb(0, 0, 128);
        label.back = palette::white;
    }
    for (auto& label : Lblp) label.fore = Color::rgb(192, 64, 0);
    for (auto& field : Txtnam) {
        field.enabled = false;
        field.back = Color::buttonFace();
        field.maxLength = 10;
    }
    CmdClose.caption = "&Close";
    LblLoss.fore = Color::rgb(0, 128, 0);
}

}  // namespace ferlow
