// The high-score window: five scores with their percentages and name fields, the
// face of the last result and the credits lost. Its name fields are the only
// store of the players' names while the program runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/rules/high_score_table.h"
#include "engine/screens/controls.h"

namespace ferlow {

// LblLoss: "You lost 25 credits".
std::string lossText(int creditsLost);
// A score caption Lblhi1..Lblhi5: the score as "###,###" and at once the place,
// "5,0001 Highest Score " (an empty number for 0).
std::string scoreCaption(std::int64_t score, int place);

// Its fixed size: the client area plus the frame.
inline constexpr WindowSize kHighScoreSize{5580 + kFrameWidthTwips, 3105 + kFrameHeightTwips};

struct HighScoreScreen {
    HighScoreScreen();

    WindowState window;
    Label Lblpercent;
    Label Lblsign;
    std::array<Label, kHighScorePlaces> Lblhi;     // Lblhi1..Lblhi5
    std::array<Label, kHighScorePlaces> Lblp;      // Lblp1..Lblp5
    std::array<TextBox, kHighScorePlaces> Txtnam;  // Txtnam1..Txtnam5
    PictureBox PicFace;
    Button CmdClose;
    Label LblLoss;
};

}  // namespace ferlow
