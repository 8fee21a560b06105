// Frmhlpkeno: the help window, one large picture of the help page. Opened from
// the Help menu with the other windows locked; its Close unlocks all three, its
// close box only the main window.
#include "engine/machine/machine.h"
#include "engine/media_catalog.h"

namespace ferlow {
namespace {

void closeHelpWindow(HelpScreen& help, MainScreen& main)
{
    main.window.enabled = true;
    help.window.visible = false;
    help.window.loaded = false;
}

}  // namespace

void Machine::openHelpWindow()
{
    main.window.pointer = Pointer::Hourglass;
    main.window.enabled = false;
    if (!help.window.loaded) {
        help = HelpScreen{};
        help.window.loaded = true;
        help.window.height = kHelpSize.height;
        help.window.width = kHelpSize.width;
        centre(help.window);
        help.Image1.picture.show(files::kHelpPage);
    }
    help.window.visible = true;
    help.window.pointer = Pointer::Default;
    prizeWindow().window.enabled = false;
    statsWindow().window.enabled = false;
}

void Machine::helpCloseClicked()
{
    if (!help.window.visible) return;
    playTick();
    lockMainPrizeStats(false);
    closeHelpWindow(help, main);
}

void Machine::helpFrameClosed()
{
    if (!help.window.loaded) return;
    closeHelpWindow(help, main);
}

void Machine::helpBackgroundClicked() { host_.beep(); }

}  // namespace ferlow
