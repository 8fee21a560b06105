// Ferlowopnscr: the opening window. Its Play button, or its close box, brings up
// the main window.
#include "engine/machine/machine.h"

namespace ferlow {

void Machine::openingPlayClicked()
{
    opening.window.visible = false;
    openingClosed();
}

void Machine::openingClosed()
{
    if (!opening.window.loaded) return;
    main.window.visible = true;
    opening.window.pointer = Pointer::Default;
    opening.window.visible = false;
    opening.window.loaded = false;
    tellStoreProblem();
}

void Machine::openingLabelClicked() { host_.beep(); }

}  // namespace ferlow
