// The opening window: title artwork and the Play button that leads to the game.
#pragma once

#include "engine/screens/controls.h"

namespace ferlow {

// Its size, set as it loads.
inline constexpr WindowSize kOpeningSize{7485, 4320};

struct OpeningScreen {
    OpeningScreen();

    WindowState window;
    Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8;  // title pairs: shadow and blue
    Label Label9, Label10;
    PictureBox Picture1;
    Button CmdPlay;
};

}  // namespace ferlow
