// The About, Help and Instructions windows: opened from the menus with the other
// windows locked, closed by their own button (unlocking all three) or by the
// frame (unlocking the main window only).
#include "engine/machine.h"
#include "engine/media_files.h"

namespace ferlow {
namespace {

inline constexpr const char* kAboutTitle = "Ferlow V 2.05\nA keno machine for the desktop";
inline constexpr const char* kAboutCredit = "Written and drawn by the Ferlow developers.";
inline constexpr const char* kAboutFree = "Ferlow is free of charge: copy it and share it.";
inline constexpr const char* kAboutNotice = "Play for fun: no money can be won or lost with Ferlow.";

}  // namespace

// ---- About ----

void Machine::openAboutWindow()
{
    main.window.enabled = false;
    if (!about.window.loaded) {
        about = AboutScreen{};
        about.window.loaded = true;
        about.window.height = 3645;
        about.window.width = 5970;
        centre(about.window);
    }
    about.window.visible = true;
    about.window.enabled = true;
    activateAboutWindow();
    prizeWindow().window.enabled = false;
    statsWindow().window.enabled = false;
}

void Machine::activateAboutWindow()
{
    about.cycler = ListImage::EmblemA;
    about.cyclerShowsFrame = true;
    about.timerRunning = true;
    main.window.enabled = false;
    about.SSpnlreg.caption.set(kAboutFree);
    about.Label1.caption.set(kAboutCredit);
    about.Label2.caption.set(kAboutTitle);
    about.Label5.caption.set(kAboutNotice);
}

// The two frames alternate by which picture the box holds, not by its pixels.
void Machine::aboutTimerTick()
{
    if (ended_ || !about.window.loaded || !about.timerRunning || !about.cyclerShowsFrame) return;
    about.cycler = about.cycler == ListImage::EmblemB ? ListImage::EmblemA : ListImage::EmblemB;
}

void Machine::aboutOkClicked()
{
    if (ended_ || !about.window.visible) return;
    playTick();
    about.window.visible = false;
    lockMainPrizeStats(false);
    closeAboutWindow();
}

void Machine::aboutFrameClosed()
{
    if (ended_ || !about.window.loaded) return;
    closeAboutWindow();
}

void Machine::closeAboutWindow()
{
    about.timerRunning = false;
    about.window.visible = false;
    main.window.enabled = true;
    about.window.loaded = false;
}

void Machine::aboutBackgroundClicked()
{
    if (!ended_) host_.beep();
}

// ---- Help ----

void Machine::openHelpWindow()
{
    main.window.pointer = Pointer::Hourglass;
    main.window.enabled = false;
    if (!help.window.loaded) {
        help = HelpScreen{};
        help.window.loaded = true;
        help.window.height = 6480;
        help.window.width = 7425;
        centre(help.window);
        help.Image1.picture.show(dataFile(files::kHelpPage));
    }
    help.window.visible = true;
    help.window.pointer = Pointer::Default;
    prizeWindow().window.enabled = false;
    statsWindow().window.enabled = false;
}

void Machine::helpCloseClicked()
{
    if (ended_ || !help.window.visible) return;
    playTick();
    lockMainPrizeStats(false);
    closeHelpWindow();
}

void Machine::helpFrameClosed()
{
    if (ended_ || !help.window.loaded) return;
    closeHelpWindow();
}

void Machine::closeHelpWindow()
{
    main.window.enabled = true;
    help.window.visible = false;
    help.window.loaded = false;
}

void Machine::helpBackgroundClicked()
{
    if (!ended_) host_.beep();
}

// ---- Instructions ----

void Machine::openInstructionsWindow()
{
    main.window.pointer = Pointer::Hourglass;
    main.window.enabled = false;
    loadInstructionsWindow();
    if (ended_) return;
    instructions.window.visible = true;
    fillInstructions();  // activation
    if (ended_) return;
    prizeWindow().window.enabled = false;
    statsWindow().window.enabled = false;
}

void Machine::instructionsCloseClicked()
{
    if (ended_ || !instructions.window.visible) return;
    playTick();
    main.window.enabled = true;
    instructions.window.visible = false;
    prizeWindow().window.enabled = true;
    statsWindow().window.enabled = true;
    closeInstructionsWindow();
}

void Machine::instructionsFrameClosed()
{
    if (ended_ || !instructions.window.loaded) return;
    closeInstructionsWindow();
}

void Machine::closeInstructionsWindow()
{
    main.window.enabled = true;
    instructions.window.visible = false;
    instructions.window.loaded = false;
}

void Machine::instructionsBackgroundClicked()
{
    if (!ended_) host_.beep();
}

}  // namespace ferlow
