#include "engine/screens/instructions_window.h"

namespace ferlow {

InstructionsScreen::InstructionsScreen()
{
    window.caption = "Instructions";
    for (Label* label : {&Lblins1, &Lblins2}) {
        label->fore = Color::windowText();
        label->back = Color::windowBackground();
    }
    CmdClose.caption = "&Close";
}

}  // namespace ferlow
