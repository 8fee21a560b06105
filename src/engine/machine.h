// The keno machine: the game state, the screen model of every window, and the
// handlers that the windows' events run. Everything the platform does for it goes
// through the host port.
#pragma once

#include <string>
#include <string_view>

#include "engine/game_state.h"
#include "engine/host_port.h"
#include "engine/random.h"
#include "engine/screens/bet_screen.h"
#include "engine/screens/high_score_screen.h"
#include "engine/screens/instructions_screen.h"
#include "engine/screens/main_screen.h"
#include "engine/screens/opening_screen.h"
#include "engine/screens/prize_screen.h"
#include "engine/screens/stats_screen.h"

namespace ferlow {

enum class WindowId { Opening, Main, Prize, Stats, HighScores, Bet, Instructions };
enum class CommandButton { Cmdbet, CmdPlay, Cmdexit };

// Outer frame of a fixed-size window, in twips: the model's sizes are outer
// sizes, the views lay out the client area inside them.
inline constexpr double kFrameWidthTwips = 120;
inline constexpr double kFrameHeightTwips = 405;

class Machine {
public:
    explicit Machine(HostPort& host);
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    GameState state;
    OpeningScreen opening;
    MainScreen main;
    PrizeScreen prize;
    StatsScreen stats;
    HighScoreScreen hsc;
    BetScreen betDialog;
    InstructionsScreen instructions;
    Random random;

    // True once the program has been told to end; handlers stop at once then.
    bool ended() const { return ended_; }

    // ---- start and stop ----
    void startUp();
    void openingPlayClicked();
    void openingClosed();        // the opening window closes, by Play or by its frame
    void openingLabelClicked();
    void mainActivated();        // the main window is activated or takes the focus
    void mainClosed();           // the main window's frame closes it: the program ends

    // ---- the board ----
    void numberPressed(int position);  // a mouse press on a number
    void markerPressed(int position);  // a mouse press on the ball lying over it

    // ---- command buttons ----
    void commandDown(CommandButton button);     // mouse button or space bar down
    void commandUp(CommandButton button);       // and up again
    void commandClicked(CommandButton button);

    // ---- menus ----
    void menuOpened(Menu submenu);  // a menu or submenu is about to show its items
    void menuClicked(Menu item);

    // ---- shared operations ----
    void newGame();
    void resetGameDisplay();
    void applyDifficulty();
    void setPrizeDivisor();
    void showCredit();
    void refreshScorePercents();
    void resetStatsColours();
    void resetNumberStats();
    void loadHighScores();
    void saveHighScores();
    void resetHighScores();
    void showFace();

    // ---- sounds ----
    void playOpeningSound();
    void playTick();
    void playLostSound();
    void playSmallWinSound();
    void playBigWinSound();

    // The full path of a picture or sound, built at the moment of use.
    std::string dataFile(std::string_view name) const;

    // Status texts of the main window.
    std::string hitsText() const;
    std::string wonText() const;
    std::string creditText() const;
    std::string betText() const;
    std::string scoreCaption(int place) const;  // place 1..5

private:
    void formLoad();
    void formUnload();
    void loadStatsWindow();
    void loadPrizeWindow();
    void loadHighScoreWindow();
    void loadInstructionsWindow();
    void fillInstructions();
    StatsScreen& statsWindow();   // loads the statistics window if it is not loaded
    PrizeScreen& prizeWindow();   // loads the prize window if it is not loaded
    void wireCaptionRules();
    void setDifficulty(int difficulty);
    void resetBoard();
    void togglePick(int position);
    void clearBoard();
    void openQuickPick();
    void quickPick(Menu countItem);
    void quickPickNumbers();
    void changeNumbers();
    Button& commandButton(CommandButton button);
    bool menuReachable(Menu item) const;
    void centre(WindowState& w);

    HostPort& host_;
    bool ended_ = false;
};

}  // namespace ferlow
