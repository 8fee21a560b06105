#include "engine/screens/help_window.h"

namespace ferlow {

HelpScreen::HelpScreen()
{
    window.caption = "Ferlow Help";
    CmdClose.caption = "&Close";
    CmdClose.tooltip = "Back to game.";
}

}  // namespace ferlow
