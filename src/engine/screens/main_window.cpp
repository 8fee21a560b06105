#include "engine/screens/main_window.h"

#include <string>

#include "engine/rules/format.h"
#include "engine/version.h"

namespace ferlow {

std::string hitsText(double hits) { return "Hits " + fmt::withSignPlace(hits); }
std::string wonText(double won) { return "Won " + fmt::grouped(won); }
std::string creditText(double credit) { return "Credit " + fmt::grouped(credit); }
std::string betText(double bet) { return "Bet " + fmt::grouped(bet); }
std::string turnsLeftText(int turnsLeft) { return "You have " + std::to_string(turnsLeft) + " turns"; }

MainScreen::MainScreen() : menu(designMenuTree())
{
    window.caption = std::string("Ferlow V ") + kVersion;
    Image1.tooltip = "Company Logo.";
    Lblname.caption = Caption("Ferlow for Windows ");
    Lblname.fore = palette::white;
    Lblname.back = kBoardGreen;
    Lblname.tooltip = "Click on any selected number to unselect.";
    for (int i = 0; i < kBoardNumbers; ++i) {
        auto& label = Lbl1[static_cast<std::size_t>(i)];
        label.caption = Caption(std::to_string(i + 1));
        label.fore = Color::windowText();
        label.back = kBoardGreen;
    }
    const auto status = [](Label& panel, Label& label, const char* caption, const char* tooltip) {
        panel.caption = Caption(caption);
        panel.back = kStatusPanelFace;
        label.caption = Caption(caption);
        label.tooltip = tooltip;
    };
    status(LblHit, LblhitS, "Hits", "Total number of numbers that equal yours.");
    status(LblWon, LblwonS, "Won", "Amount won. ");
    status(LblCred, LblcredS, "Credit", "Value left to bet with.");
    status(LblBet, LblbetS, "Bet", "Bet is shown here.");
    SSPNum.tooltip = "Difficulty of game ";
    Cmdbet.caption = "&Bet";
    Cmdbet.tooltip = "Maximum bet is 100.";
    CmdPlay.caption = "&Play";
    CmdPlay.tooltip = "Lets me do my part.";
    Cmdexit.caption = "E&xit";
    Cmdexit.tooltip = "Choose at least 4 numbers to start.";
}

}  // namespace ferlow
