#include "engine/screens/menu.h"

namespace ferlow {

MenuTree designMenuTree()
{
    using enum MenuKind;
    constexpr Menu bar = Menu::Count;
    MenuTree t{{
        {"Mnugam", bar, "&File", "", TopMenu},
        {"Mnupri", Menu::Mnugam, "P&rizes", "Ctrl+R", CheckItem},
        {"Mnuinst", Menu::Mnugam, "&Instructions", "Ctrl+I", Command},
        {"Mnucnum", Menu::Mnugam, "Change &Numbers", "Ctrl+N", Command},
        {"Mnuqp", Menu::Mnugam, "&Quick Pick", "", Submenu},
        {"Mnufour", Menu::Mnuqp, "Four", "F4", CheckItem},
        {"Mnufive", Menu::Mnuqp, "Five", "F5", CheckItem},
        {"Mnusix", Menu::Mnuqp, "Six", "F6", CheckItem},
        {"Mnuseven", Menu::Mnuqp, "Seven", "F7", CheckItem},
        {"Mnueight", Menu::Mnuqp, "Eight", "F8", CheckItem},
        {"Mnunine", Menu::Mnuqp, "Nine", "F9", CheckItem},
        {"Mnuten", Menu::Mnuqp, "Ten", "Shift+F10", CheckItem},
        {"Mnusep", Menu::Mnugam, "-", "", Separator},
        {"Mnusnd", Menu::Mnugam, "So&und", "", Submenu},
        {"Mnuon", Menu::Mnusnd, "&On", "Ctrl+O", CheckItem},
        {"Mnuoff", Menu::Mnusnd, "O&ff", "Ctrl+F", CheckItem},
        {"Mnugtyp", Menu::Mnugam, "Difficul&ty", "", Submenu},
        {"Mnueasy", Menu::Mnugtyp, "&Easy", "Ctrl+E", CheckItem},
        {"Mnumedium", Menu::Mnugtyp, "&Medium", "Ctrl+M", CheckItem},
        {"Mnuhard", Menu::Mnugtyp, "Har&d", "Ctrl+D", CheckItem},
        {"Mnuhardest", Menu::Mnugtyp, "Hardes&t", "Ctrl+T", CheckItem},
        {"Mnungam", Menu::Mnugam, "New &Game", "Ctrl+G", Command},
        {"Mnubar", Menu::Mnugam, "-", "", Separator},
        {"Mnuxt", Menu::Mnugam, "E&xit", "Ctrl+X", Command},
        {"Mnuoptions", bar, "&Options", "", TopMenu},
        {"MnuScStyl", Menu::Mnuoptions, "Score Sty&le", "", Submenu},
        {"MnuFast", Menu::MnuScStyl, "Fast", "Shift+F11", CheckItem},
        {"MnuSlow", Menu::MnuScStyl, "Slow", "Shift+F12", CheckItem},
        {"Mnustats", Menu::Mnuoptions, "Statisti&cs", "Ctrl+C", CheckItem},
        {"MnuDash", Menu::Mnuoptions, "-", "", Separator},
        {"Mnuhiscs", Menu::Mnuoptions, "High S&cores", "", Submenu},
        {"Mnuvhsc", Menu::Mnuhiscs, "&View", "Ctrl+V", Command},
        {"Mnureset", Menu::Mnuhiscs, "Re&set", "Ctrl+S", Command},
        {"Mnuhelp", bar, "&Help", "", TopMenu},
        {"Mnuabt", Menu::Mnuhelp, "&About", "Ctrl+A", Command},
        {"Mnusepbar", Menu::Mnuhelp, "-", "", Separator},
        {"MnuHlp", Menu::Mnuhelp, "&Help", "Ctrl+H", Command},
        {"MnuRMe", Menu::Mnuhelp, "ReadMe", "F1", Command},
    }};
    t[static_cast<std::size_t>(Menu::Mnueasy)].checked = true;
    return t;
}

}  // namespace ferlow
