// What must hold between any two events of a game, whatever the player does.
// Each check returns a description of every rule broken.
#pragma once

#include <string>
#include <vector>

#include "engine/machine/machine.h"

namespace ferlow::soak {

// The board, the menus and the windows: picks counted as shown, drawn numbers
// marked as drawn, the turn within the game, one check mark per setting, a
// ticket that can be played whenever Play is offered, and a way forward
// whenever the main window is locked.
std::vector<std::string> checkMachine(const Machine& m);

// The credit, judged from outside: it moves only in a draw, by the prize the
// draw shows as won or by minus the bet, and at a new game, to the starting 30.
class CreditLedger {
public:
    void before(const Machine& m);  // just before an event
    // Just after it; `drew` tells whether the event ran a draw.
    std::vector<std::string> after(const Machine& m, bool drew) const;

private:
    double credit_ = 0;
    double bet_ = 0;
};

}  // namespace ferlow::soak
