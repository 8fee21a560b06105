// Menu commands of the main window.
#include "engine/machine.h"

namespace ferlow {

void Machine::menuClicked(Menu item)
{
    if (ended_ || !main.item(item).enabled) return;
    switch (item) {
    case Menu::Mnungam: newGame(); break;
    case Menu::Mnuon:
        state.soundMode = 1;
        main.item(Menu::Mnuon).checked = true;
        main.item(Menu::Mnuoff).checked = false;
        break;
    case Menu::Mnuoff:
        state.soundMode = 2;
        main.item(Menu::Mnuon).checked = false;
        main.item(Menu::Mnuoff).checked = true;
        break;
    case Menu::MnuFast:
        state.slowCount = false;
        main.item(Menu::MnuSlow).checked = false;
        main.item(Menu::MnuFast).checked = true;
        break;
    case Menu::MnuSlow:
        state.slowCount = true;
        main.item(Menu::MnuSlow).checked = true;
        main.item(Menu::MnuFast).checked = false;
        break;
    case Menu::Mnueasy: setDifficulty(1); break;
    case Menu::Mnumedium: setDifficulty(2); break;
    case Menu::Mnuhard: setDifficulty(3); break;
    case Menu::Mnuhardest: setDifficulty(4); break;
    case Menu::Mnureset: resetHighScores(); break;
    default: break;  // the remaining commands arrive with their windows
    }
}

}  // namespace ferlow
