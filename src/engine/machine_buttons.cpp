// The main window's command buttons: Bet, Play and Exit, with the pressed face
// they show while the mouse button or the space bar is held.
#include "engine/machine.h"
#include "engine/media_files.h"

namespace ferlow {

Button& Machine::commandButton(CommandButton button)
{
    switch (button) {
    case CommandButton::Cmdbet: return main.Cmdbet;
    case CommandButton::CmdPlay: return main.CmdPlay;
    case CommandButton::Cmdexit: return main.Cmdexit;
    }
    return main.Cmdexit;
}

void Machine::commandDown(CommandButton button)
{
    if (ended_) return;
    commandButton(button).face.show(dataFile(files::kPlatingPressed));
}

void Machine::commandUp(CommandButton button)
{
    if (ended_) return;
    commandButton(button).face.show(dataFile(files::kPlating));
    if (button == CommandButton::Cmdexit) state.statsResetPending = false;
}

void Machine::commandClicked(CommandButton button)
{
    if (ended_ || !commandButton(button).enabled) return;
    // What each button starts arrives with the bet dialog and the draw.
}

}  // namespace ferlow
