// The main window's menu tree: one row per item, in display order.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace ferlow {

enum class Menu {
    Mnugam,
    Mnupri,
    Mnuinst,
    Mnucnum,
    Mnuqp,
    Mnufour,
    Mnufive,
    Mnusix,
    Mnuseven,
    Mnueight,
    Mnunine,
    Mnuten,
    Mnusep,
    Mnusnd,
    Mnuon,
    Mnuoff,
    Mnugtyp,
    Mnueasy,
    Mnumedium,
    Mnuhard,
    Mnuhardest,
    Mnungam,
    Mnubar,
    Mnuxt,
    Mnuoptions,
    MnuScStyl,
    MnuFast,
    MnuSlow,
    Mnustats,
    MnuDash,
    Mnuhiscs,
    Mnuvhsc,
    Mnureset,
    Mnuhelp,
    Mnuabt,
    Mnusepbar,
    MnuHlp,
    MnuRMe,
    Count
};
inline constexpr std::size_t kMenuCount = static_cast<std::size_t>(Menu::Count);

enum class MenuKind { TopMenu, Submenu, Command, CheckItem, Separator };

struct MenuItem {
    const char* name;      // the control name
    Menu parent;           // Menu::Count for the menu bar
    std::string caption;   // "&" marks the access key
    std::string shortcut;  // portable key text such as "Ctrl+R", "F4", "Shift+F10"
    MenuKind kind;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};

using MenuTree = std::array<MenuItem, kMenuCount>;

// The tree as the window is created: every item enabled, only Easy checked.
MenuTree designMenuTree();

// The Quick Pick count items, Four..Ten, and the count each picks.
inline constexpr std::array<Menu, 7> kQuickPickItems{Menu::Mnufour,  Menu::Mnufive, Menu::Mnusix, Menu::Mnuseven,
                                                     Menu::Mnueight, Menu::Mnunine, Menu::Mnuten};
inline constexpr std::array<Menu, 4> kDifficultyItems{Menu::Mnueasy, Menu::Mnumedium, Menu::Mnuhard, Menu::Mnuhardest};

}  // namespace ferlow
