// The instructions window: two paragraphs over a background of scattered dots.
#pragma once

#include "engine/screens/controls.h"

namespace ferlow {

// Its size, set as it loads.
inline constexpr WindowSize kInstructionsSize{7485, 5300};

struct InstructionsScreen {
    InstructionsScreen();

    WindowState window;
    Label Lblins1, Lblins2;
    Button CmdClose;
    // Each filling scatters 4000 grey dots, lets events run, then 1500 white
    // dots, over the earlier ones; the view draws each run into the window's
    // background as it is counted here.
    unsigned greyDotRuns = 0;
    unsigned whiteDotRuns = 0;
};

}  // namespace ferlow
