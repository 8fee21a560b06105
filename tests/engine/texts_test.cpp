// Every window's own words, as the game has them: captions, tooltips, the menu
// and the message boxes, in one table each, written out from the game's
// description of its windows.
#include <gtest/gtest.h>

#include "support/game_driver.h"

namespace ferlow {
namespace {

struct Text {
    const char* what;
    std::string shown;
    const char* expected;
};

TEST(Texts, EveryWindowSaysWhatTheGameSays)
{
    test::FakeHost host;
    Machine m(host);
    m.startUp();
    // Before the main window shows: the opening window, and the design captions.
    const Text opening[] = {
        {"opening caption", m.opening.window.caption, "Ferlow V2.05"},
        {"Label1", m.opening.Label1.caption.text(), "Ferlow"},
        {"Label4", m.opening.Label4.caption.text(), "For"},
        {"Label6", m.opening.Label6.caption.text(), "Windows"},
        {"Label8", m.opening.Label8.caption.text(), "Version 2.05"},
        {"Label9", m.opening.Label9.caption.text(), "Please click on the Button "},
        {"Label10", m.opening.Label10.caption.text(), " AUSTRALIAN MADE."},
        {"opening Play", m.opening.CmdPlay.caption, "Play"},
        {"LblCred before a value", m.main.LblCred.caption.text(), "Credit"},
        {"LblHit before a value", m.main.LblhitS.caption.text(), "Hits"},
    };
    for (const Text& t : opening) EXPECT_EQ(t.shown, t.expected) << t.what;
    const std::pair<Color, Color> colours[] = {
        {m.opening.Label9.fore, Color::rgb(192, 0, 0)},     {m.opening.Label10.fore, Color::rgb(0, 0, 192)},
        {m.opening.Label1.back, Color::rgb(192, 192, 192)}, {m.main.Lblname.back, Color::rgb(0, 128, 0)},
        {m.main.Lblname.fore, Color::rgb(255, 255, 255)},   {m.instructions.Lblins1.back, Color::windowBackground()},
        {m.instructions.Lblins2.fore, Color::windowText()}};
    for (const auto& [shown, expected] : colours) EXPECT_EQ(shown, expected);

    m.openingPlayClicked();
    m.menuClicked(Menu::Mnupri);
    m.menuClicked(Menu::Mnustats);
    m.menuClicked(Menu::Mnuvhsc);
    std::string legend;
    for (const Label& l : m.stats.legendLabels) legend += l.caption.text() + "|";
    const Text windows[] = {
        {"main caption", m.main.window.caption, "Ferlow V 2.05"},
        {"logo", m.main.Image1.tooltip, "Company Logo."},
        {"Lblname", m.main.Lblname.caption.text(), "Ferlow for Windows "},
        {"Lblname tip", m.main.Lblname.tooltip, "Click on any selected number to unselect."},
        {"LblhitS tip", m.main.LblhitS.tooltip, "Total number of numbers that equal yours."},
        {"LblwonS tip", m.main.LblwonS.tooltip, "Amount won. "},
        {"LblcredS tip", m.main.LblcredS.tooltip, "Value left to bet with."},
        {"LblbetS tip", m.main.LblbetS.tooltip, "Bet is shown here."},
        {"SSPNum tip", m.main.SSPNum.tooltip, "Difficulty of game "},
        {"Cmdbet", m.main.Cmdbet.caption + "|" + m.main.Cmdbet.tooltip, "&Bet|Maximum bet is 100."},
        {"CmdPlay", m.main.CmdPlay.caption + "|" + m.main.CmdPlay.tooltip, "&Play|Lets me do my part."},
        {"Cmdexit", m.main.Cmdexit.caption + "|" + m.main.Cmdexit.tooltip, "E&xit|Choose at least 4 numbers to start."},
        {"hourglass", m.main.PicShow.tooltip, "You have 20 turns"},
        {"prize caption", m.prize.window.caption + "|" + m.prize.CmdClose.caption, "Prizes|&Close"},
        {"prize top row", m.prize.row(10).caption.text(), " 10 Out of 10  2,000"},
        {"prize bottom row", m.prize.row(2).caption.text(), " 2 Out of 10  10"},
        {"stats caption", m.stats.window.caption + "|" + m.stats.CmdClose.caption, "Ferlow Statistics|&Close"},
        {"legend", m.stats.SSPanel2.caption.text(), "                    Number Ratings"},
        {"legend names", legend, "Poor|Below Average|Average|Good|Great|Excellent|"},
        {"stats panel", m.stats.panel(17).caption.text(), "17,0"},
        {"hsc caption", m.hsc.window.caption + "|" + m.hsc.CmdClose.caption, "High Scores|&Close"},
        {"hsc prompt", m.hsc.Lblsign.caption.text(), "Please enter your Name below. "},
        {"hsc loss", m.hsc.LblLoss.caption.text(), "You lost 0 credits"},
        {"hsc first", m.hsc.Lblhi[0].caption.text(), "5,0001 Highest Score "},
        {"hsc percent", m.hsc.Lblp[0].caption.text(), "21.7% of Average"},
    };
    for (const Text& t : windows) EXPECT_EQ(t.shown, t.expected) << t.what;

    // The menu bar in display order: captions with their access keys, and shortcuts.
    std::string menu;
    for (const MenuItem& item : m.main.menu)
        menu += item.caption + (item.shortcut.empty() ? "" : " " + item.shortcut) + "|";
    EXPECT_EQ(menu,
              "&File|P&rizes Ctrl+R|&Instructions Ctrl+I|Change &Numbers Ctrl+N|&Quick Pick|Four F4|Five F5|Six F6|"
              "Seven F7|Eight F8|Nine F9|Ten Shift+F10|-|So&und|&On Ctrl+O|O&ff Ctrl+F|Difficul&ty|&Easy Ctrl+E|"
              "&Medium Ctrl+M|Har&d Ctrl+D|Hardes&t Ctrl+T|New &Game Ctrl+G|-|E&xit Ctrl+X|&Options|Score Sty&le|"
              "Fast Shift+F11|Slow Shift+F12|Statisti&cs Ctrl+C|-|High S&cores|&View Ctrl+V|Re&set Ctrl+S|&Help|"
              "&About Ctrl+A|-|&Help Ctrl+H|ReadMe F1|");
}

TEST(Texts, TheAuxiliaryWindowsAndTheBetDialog)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    m.menuClicked(Menu::Mnuabt);
    EXPECT_EQ(m.about.window.caption + "|" + m.about.Cmdok.caption, "About Ferlow|&Ok");
    EXPECT_TRUE(m.about.Label2.caption.text().starts_with("Ferlow V 2.05\n")) << m.about.Label2.caption.text();
    for (const Label* notice : {&m.about.Label1, &m.about.SSpnlreg, &m.about.Label5})
        EXPECT_FALSE(notice->caption.text().empty());
    m.aboutOkClicked();
    m.menuClicked(Menu::MnuHlp);
    EXPECT_EQ(m.help.window.caption + "|" + m.help.CmdClose.caption + "|" + m.help.CmdClose.tooltip,
              "Ferlow Help|&Close|Back to game.");
    m.helpCloseClicked();
    m.menuClicked(Menu::Mnuinst);
    EXPECT_EQ(m.instructions.window.caption + "|" + m.instructions.CmdClose.caption, "Instructions|&Close");
    EXPECT_EQ(
        m.instructions.Lblins1.caption.text(),
        "  Welcome to version 2.05 of Ferlow, this is a Windows 95/98/ME version, it is the same as the others."
        " It has a few improvements like no need to click on the startup Window. Music and sound come from your"
        " multi media speakers, and sounds better now. At the end of the game, when it asks for your name please"
        " note that the place you are to enter your name is yellow.  To be able to enter your name click in the"
        " box, after which you will find that a cursor is ready for you to type.  This game simulates the machines"
        " that are in the Australian Casinos, but it is not the same, here you can win and win a lot, but you"
        " will not get richer or poorer by playing it.");
    EXPECT_EQ(m.instructions.Lblins2.caption.text(),
              "  As in the Casino the object of the game is to win, and if possible, more than any one else who plays"
              " after you.  To start with you have only 30 credits and 20 turns to win as much as you can.  Ferlow is"
              " not rigged, all the numbers chosen are randomly selected, your win or loss is totally based on luck and"
              " maybe a bit of skill. You can change the difficulty and style of play in Ferlow, by going to the File"
              " menu and choosing Difficulty. In the Difficulty Menu you will find 4 levels of play. Within these"
              " levels there are 2 styles of play. Style 1 is in Easy and Hard the computer chooses 20 numbers. Style 2"
              " is in Medium and Hardest the computer chooses 22 numbers. This program has a Help Window, I believe it"
              " may help you until you become use to playing it. Beware when you select New game in the File menu, you"
              " will have to reselect your numbers.  I hope it is to your liking, and be on the look out for the next"
              " version.");
    m.instructionsCloseClicked();

    test::pickNumbers(m, {0, 1, 2, 3});
    m.commandClicked(CommandButton::Cmdbet);
    const BetScreen& b = m.betDialog;
    std::string captions;
    for (const Button* button : {&b.Cmd5, &b.Cmd10, &b.Cmd20, &b.Cmd50, &b.Cmd100, &b.Cmdall, &b.Cmdhold, &b.Cmdok})
        captions += button->caption + "|";
    EXPECT_EQ(captions, "&5|&10|&20|&50|1&00|&All|&Hold|&Ok|");
    EXPECT_EQ(b.window.caption + "|" + b.Lblother.caption.text() + "|" + b.Lblturn.caption.text(),
              "Bet|Other :|Turn No.  1");
    EXPECT_EQ(
        b.Txtfil.tooltip + "|" + b.PnlGauge.tooltip + "|" + b.Lblturn.tooltip,
        "Enter your own amount if you wish.|A Gauge fills in red every turn.|Displays how many bets have been set.");

    // The refusals, and Hold with nothing entered.
    const std::pair<const char*, const char*> refusals[] = {
        {"0", "Bet too low|Zero is not a valid bet. Bet 1 or more."},
        {"101", "Bet Exceeds limit|Is 100 Credits, bet 100 or less."},
        {"31", "Credit too low|Please bet  30 or less."},
        {"abc", "No bet entered|Please enter your bet and then click on hold."},
    };
    for (const auto& [amount, expected] : refusals) {
        m.betTextMouseDown();
        m.betTextEdited(amount);
        if (std::string(amount) == "abc")
            m.betHoldClicked();
        else
            m.betOkClicked();
        EXPECT_EQ(host.messages.back().title + "|" + host.messages.back().text, expected) << amount;
    }
}

}  // namespace
}  // namespace ferlow
