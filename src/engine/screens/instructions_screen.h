// The instructions window: two paragraphs over a background of scattered dots.
#pragma once

#include "engine/controls.h"

namespace ferlow {

struct InstructionsScreen {
    InstructionsScreen();

    WindowState window;
    Label Lblins1, Lblins2;
    Button CmdClose;
};

}  // namespace ferlow
