// The help window: one large picture of the help page.
#pragma once

#include "engine/screens/controls.h"

namespace ferlow {

// Its size, set as it loads.
inline constexpr WindowSize kHelpSize{7425, 6480};

struct HelpScreen {
    HelpScreen();

    WindowState window;
    PictureBox Image1;
    Button CmdClose;
};

}  // namespace ferlow
