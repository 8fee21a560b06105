// The high-score window: five scores with their percentages and name fields, the
// face of the last result and the credits lost. Its name fields are the only
// store of the players' names while the program runs.
#pragma once

#include <array>

#include "engine/screens/controls.h"
#include "engine/machine/game_state.h"

namespace ferlow {

struct HighScoreScreen {
    HighScoreScreen();

    WindowState window;
    Label Lblpercent;
    Label Lblsign;
    std::array<Label, kHighScorePlaces> Lblhi;    // Lblhi1..Lblhi5
    std::array<Label, kHighScorePlaces> Lblp;     // Lblp1..Lblp5
    std::array<TextBox, kHighScorePlaces> Txtnam; // Txtnam1..Txtnam5
    PictureBox PicFace;
    Button CmdClose;
    Label LblLoss;
};

}  // namespace ferlow
