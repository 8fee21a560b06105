// The help window: one large picture of the help page.
#pragma once

#include "engine/screens/controls.h"

namespace ferlow {

struct HelpScreen {
    HelpScreen();

    WindowState window;
    PictureBox Image1;
    Button CmdClose;
};

}  // namespace ferlow
