// The bet dialog: amount buttons, the amount field, Hold, Ok and the turn gauge.
#pragma once

#include <string>

#include "engine/screens/controls.h"

namespace ferlow {

// Its size, set as it loads.
inline constexpr WindowSize kBetSize{4560, 2760};

struct BetScreen {
    BetScreen();

    WindowState window;
    Button Cmd5, Cmd10, Cmd20, Cmd50, Cmd100, Cmdall, Cmdhold, Cmdok;
    TextBox Txtfil;
    Label Lblother;
    Label PnlGauge;
    double fillinWidthTwips = 0;  // the filled part of the gauge, Fillin
    Label Lblturn;
};

inline constexpr double kGaugeWidthTwips = 1215;

// The turn label's caption for the coming turn: "Turn No. " and the number with
// a blank for its sign.
std::string turnText(int comingTurn);

}  // namespace ferlow
