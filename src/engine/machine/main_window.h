// FrmFerlow's events: the board, the command buttons, the menus, its activation
// and its close box.
#pragma once

#include "engine/screens/menu.h"

namespace ferlow {

enum class CommandButton { Cmdbet, CmdPlay, Cmdexit };

class MainWindowEvents {
public:
    virtual void mainActivated() = 0;  // activated, or a command button takes the focus
    virtual void mainClosed() = 0;     // the frame's close box: the program ends

    virtual void numberPressed(int position) = 0;  // a mouse press on a number
    virtual void markerPressed(int position) = 0;  // a mouse press on the ball lying over it

    virtual void commandDown(CommandButton button) = 0;  // mouse button or space bar down
    virtual void commandUp(CommandButton button) = 0;    // and up again
    virtual void commandClicked(CommandButton button) = 0;

    virtual void menuOpened(Menu submenu) = 0;  // a menu or submenu is about to show its items
    virtual void menuClicked(Menu item) = 0;

protected:
    ~MainWindowEvents() = default;
};

}  // namespace ferlow
