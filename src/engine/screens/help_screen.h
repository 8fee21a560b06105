// The help window: one large picture of the help page.
#pragma once

#include "engine/controls.h"

namespace ferlow {

struct HelpScreen {
    HelpScreen();

    WindowState window;
    PictureBox Image1;
    Button CmdClose;
};

}  // namespace ferlow
