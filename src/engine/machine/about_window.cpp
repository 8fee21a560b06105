// Frmabtkeno: the About window with its turning emblem. Opened from the Help
// menu with the other windows locked; its Ok unlocks all three, its close box
// only the main window.
#include "engine/machine/machine.h"
#include "engine/media_catalog.h"
#include "engine/version.h"

namespace ferlow {
namespace {

inline constexpr const char* kAboutCredit = "Written and drawn by the Ferlow developers.";
inline constexpr const char* kAboutFree = "Ferlow is free of charge: copy it and share it.";
inline constexpr const char* kAboutNotice = "Play for fun: no money can be won or lost with Ferlow.";

void activateAboutWindow(AboutScreen& about, MainScreen& main)
{
    about.cycler = ListImage::EmblemA;
    about.cyclerShowsFrame = true;
    about.timerRunning = true;
    main.window.enabled = false;
    about.SSpnlreg.caption.set(kAboutFree);
    about.Label1.caption.set(kAboutCredit);
    about.Label2.caption.set(std::string("Ferlow V ") + kVersion + "\nA keno machine for the desktop");
    about.Label5.caption.set(kAboutNotice);
}

void closeAboutWindow(AboutScreen& about, MainScreen& main)
{
    about.timerRunning = false;
    about.window.visible = false;
    main.window.enabled = true;
    about.window.loaded = false;
}

}  // namespace

void Machine::openAboutWindow()
{
    main.window.enabled = false;
    if (!about.window.loaded) {
        about = AboutScreen{};
        about.window.loaded = true;
        about.window.height = kAboutSize.height;
        about.window.width = kAboutSize.width;
        centre(about.window);
    }
    about.window.visible = true;
    about.window.enabled = true;
    activateAboutWindow(about, main);
    prizeWindow().window.enabled = false;
    statsWindow().window.enabled = false;
}

// The two frames alternate by which picture the box holds, not by its pixels.
void Machine::aboutTimerTick()
{
    if (!about.window.loaded || !about.timerRunning || !about.cyclerShowsFrame) return;
    about.cycler = about.cycler == ListImage::EmblemB ? ListImage::EmblemA : ListImage::EmblemB;
}

void Machine::aboutOkClicked()
{
    if (!about.window.visible) return;
    playTick();
    about.window.visible = false;
    lockMainPrizeStats(false);
    closeAboutWindow(about, main);
}

void Machine::aboutFrameClosed()
{
    if (!about.window.loaded) return;
    closeAboutWindow(about, main);
}

void Machine::aboutBackgroundClicked() { host_.beep(); }

}  // namespace ferlow
