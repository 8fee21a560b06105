// The About window: title, notices, credit line and the turning emblem.
#pragma once

#include "engine/screens/controls.h"

namespace ferlow {

// Its size, set as it loads.
inline constexpr WindowSize kAboutSize{5970, 3645};

struct AboutScreen {
    AboutScreen();

    WindowState window;
    Label SSPanel1;  // frame of the credit line
    Label Label1;    // the author credit line
    Label Label2;    // the title block
    Label SSpnlreg;  // the notice that the program is free of charge
    Label Label5;    // the second notice
    Button Cmdok;
    ListImage cycler = ListImage::EmblemA;  // the animated emblem's frame
    bool cyclerShowsFrame = true;           // false: the box holds neither frame
    bool timerRunning = false;              // the 200 ms animation timer
};

}  // namespace ferlow
