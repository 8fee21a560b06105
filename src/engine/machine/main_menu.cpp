// FrmFerlow's menu bar: the menu commands of the main window.
#include "engine/machine/machine.h"
#include "engine/media_catalog.h"

namespace ferlow {
namespace {

// An item can be chosen only while it and every menu above it are enabled; this
// also holds for shortcuts, which would otherwise reach items of a disabled
// submenu.
bool menuReachable(const MainScreen& main, Menu item)
{
    // A locked or hidden main window takes no menu commands at all.
    if (!main.window.loaded || !main.window.visible || !main.window.enabled) return false;
    for (Menu m = item; m != Menu::Count; m = main.item(m).parent)
        if (!main.item(m).enabled || !main.item(m).visible) return false;
    return true;
}

}  // namespace

void Machine::menuOpened(Menu submenu)
{
    if (!menuReachable(main, submenu)) return;
    if (submenu == Menu::Mnuqp) openQuickPick();
}

void Machine::menuClicked(Menu item)
{
    if (!menuReachable(main, item)) return;
    switch (item) {
    case Menu::Mnufour:
    case Menu::Mnufive:
    case Menu::Mnusix:
    case Menu::Mnuseven:
    case Menu::Mnueight:
    case Menu::Mnunine:
    case Menu::Mnuten: quickPick(item); break;
    case Menu::Mnucnum: changeNumbers(); break;
    case Menu::Mnupri: {
        PrizeScreen& p = prizeWindow();
        p.window.top = main.window.top + kPrizeWindowDrop;
        p.window.left = main.window.left + main.window.width + kWindowGap;
        const bool show = !main.item(Menu::Mnupri).checked;
        p.window.visible = show;
        main.item(Menu::Mnupri).checked = show;
        break;
    }
    case Menu::Mnustats: {
        StatsScreen& s = statsWindow();
        s.window.top = main.window.top + main.window.height + kWindowGap;
        s.window.left = (host_.screenSize().widthTwips - (s.window.width + prizeWindow().window.width)) / 2;
        const bool show = !main.item(Menu::Mnustats).checked;
        s.window.visible = show;
        main.item(Menu::Mnustats).checked = show;
        break;
    }
    case Menu::Mnuinst: openInstructionsWindow(); break;
    case Menu::MnuHlp: openHelpWindow(); break;
    case Menu::Mnuabt: openAboutWindow(); break;
    case Menu::Mnuvhsc: viewHighScores(); break;
    case Menu::MnuRMe: openReadMe(); break;
    case Menu::Mnuxt: confirmExit(); break;
    case Menu::Mnungam: newGame(); break;
    case Menu::Mnuon:
        state.soundMode = SoundMode::On;
        main.item(Menu::Mnuon).checked = true;
        main.item(Menu::Mnuoff).checked = false;
        break;
    case Menu::Mnuoff:
        state.soundMode = SoundMode::Off;
        main.item(Menu::Mnuon).checked = false;
        main.item(Menu::Mnuoff).checked = true;
        break;
    case Menu::MnuFast:
        state.scoreStyle = ScoreStyle::Fast;
        main.item(Menu::MnuSlow).checked = false;
        main.item(Menu::MnuFast).checked = true;
        break;
    case Menu::MnuSlow:
        state.scoreStyle = ScoreStyle::Slow;
        main.item(Menu::MnuSlow).checked = true;
        main.item(Menu::MnuFast).checked = false;
        break;
    case Menu::Mnueasy: setDifficulty(Difficulty::Easy); break;
    case Menu::Mnumedium: setDifficulty(Difficulty::Medium); break;
    case Menu::Mnuhard: setDifficulty(Difficulty::Hard); break;
    case Menu::Mnuhardest: setDifficulty(Difficulty::Hardest); break;
    case Menu::Mnureset: resetHighScores(); break;
    default: break;  // menus, submenus and separators
    }
}

// The read-me opens beside the game; if no viewer can show it, the player is
// told where it is, to open it by hand.
void Machine::openReadMe()
{
    host_.openReadMe(files::kReadMe, [this](const std::string& path) {
        if (ended_) return;
        host_.showMessage({"ReadMe", "The read-me document could not be opened. You can open it yourself:\n" + path,
                           MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
    });
}

}  // namespace ferlow
