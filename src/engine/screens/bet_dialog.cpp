#include "engine/screens/bet_dialog.h"

#include "engine/rules/format.h"

namespace ferlow {

std::string turnText(int comingTurn) { return "Turn No. " + fmt::withSignPlace(comingTurn); }

BetScreen::BetScreen()
{
    window.caption = "Bet";
    Cmd5.caption = "&5";
    Cmd10.caption = "&10";
    Cmd20.caption = "&20";
    Cmd50.caption = "&50";
    Cmd100.caption = "1&00";
    Cmdall.caption = "&All";
    Cmdhold.caption = "&Hold";
    Cmdok.caption = "&Ok";
    Txtfil.tooltip = "Enter your own amount if you wish.";
    Lblother.caption = Caption("Other :");
    PnlGauge.tooltip = "A Gauge fills in red every turn.";
    Lblturn.tooltip = "Displays how many bets have been set.";
}

}  // namespace ferlow
