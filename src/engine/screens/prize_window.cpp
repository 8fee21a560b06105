#include "engine/screens/prize_window.h"

namespace ferlow {

PrizeScreen::PrizeScreen()
{
    window.caption = "Prizes";
    CmdClose.caption = "&Close";
    for (auto& row : Lblpri) row.fore = Color::buttonText();
}

}  // namespace ferlow
