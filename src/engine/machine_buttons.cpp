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
    if (ended_ || !main.window.visible || !main.window.enabled || !commandButton(button).enabled) return;
    switch (button) {
    case CommandButton::Cmdbet:
        main.item(Menu::Mnuqp).enabled = false;
        playTick();
        openBetDialog();
        break;
    case CommandButton::CmdPlay:
        main.item(Menu::Mnungam).enabled = false;
        playTick();
        state.minWinHits = 2;
        runDraw();
        break;
    case CommandButton::Cmdexit:
        playTick();
        confirmExit();
        break;
    }
}

}  // namespace ferlow
