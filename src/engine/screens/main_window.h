// The main window as the machine holds it: board, status panels, hourglass,
// buttons and menu tree.
#pragma once

#include <array>
#include <string>

#include "engine/rules/keno.h"
#include "engine/screens/controls.h"
#include "engine/screens/menu.h"

namespace ferlow {

// Board geometry inside the board's frame: two blocks of four rows with a gap
// between 40 and 41.
inline constexpr TwipsRect boardLabelRect(int position)
{
    constexpr int rowTops[8] = {0, 360, 720, 1080, 1800, 2160, 2520, 2880};
    return {(position % 10) * 480, rowTops[position / 10], 495, 375};
}
inline constexpr TwipsRect boardMarkerRect(int position, int heightTwips = 345)
{
    const TwipsRect label = boardLabelRect(position);
    return {label.left + 60, label.top + 15, 375, heightTwips};
}

inline constexpr Color kBoardGreen = Color::rgb(0, 128, 0);
inline constexpr Color kStatusPanelText = Color::rgb(155, 155, 155);
// The status panels are the cabinet's dark display: their grey text would read
// poorly on a light face (2.4 : 1), and reads at about 5.9 : 1 on this one.
inline constexpr Color kStatusPanelFace = Color::rgb(12, 36, 18);

// The status texts, the same on the panels and on their labels: "Hits " and the
// count with a blank for its sign, the amounts grouped ("Credit 12,345").
std::string hitsText(double hits);
// PicShow's tooltip: "You have 12 turns".
std::string turnsLeftText(int turnsLeft);
std::string wonText(double won);
std::string creditText(double credit);
std::string betText(double bet);

// The main window's size. Its load sizes it 7260 x 5245, then sets the height to
// 5150 and places it (the prize window beside it by the first width, the
// statistics window below it by the second height), then sets the width to 7250.
inline constexpr WindowSize kMainLoadingSize{7260, 5245};
inline constexpr WindowSize kMainSize{7250, 5150};
// Where the Prizes and Statistics menu commands put their windows: the prize
// window's frame 200 below the main window's top and 20 right of its right edge,
// the statistics window's 20 below its bottom.
inline constexpr double kPrizeWindowDrop = 200;
inline constexpr double kWindowGap = 20;

struct MainScreen {
    MainScreen();

    WindowState window;
    PictureBox Image1;  // logo
    Label Lblname;
    std::array<Label, kBoardNumbers> Lbl1;
    std::array<Marker, kBoardNumbers> Shp1;
    Label LblHit, LblWon, LblCred, LblBet;      // 3-D panels
    Label LblhitS, LblwonS, LblcredS, LblbetS;  // labels that reformat themselves
    Label SSPNum;                               // difficulty panel
    PictureBox PicShow;                         // hourglass of turns
    Button Cmdbet, CmdPlay, Cmdexit;
    MenuTree menu;

    MenuItem& item(Menu m) { return menu[static_cast<std::size_t>(m)]; }
    const MenuItem& item(Menu m) const { return menu[static_cast<std::size_t>(m)]; }
};

}  // namespace ferlow
