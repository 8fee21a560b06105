// The keno machine: the game state, the screen model of every window, and the
// handlers of the windows' events. Everything the platform does for it goes
// through the host port. The views read the screens and send each window's
// events through that window's interface; the handlers of one window live in
// the file of the same name beside this one.
#pragma once

#include <cstdint>
#include <string>

#include "engine/host_port.h"
#include "engine/machine/about_window.h"
#include "engine/machine/bet_dialog.h"
#include "engine/machine/events.h"
#include "engine/machine/game_state.h"
#include "engine/machine/help_window.h"
#include "engine/machine/high_score_window.h"
#include "engine/machine/instructions_window.h"
#include "engine/machine/main_window.h"
#include "engine/machine/opening_window.h"
#include "engine/machine/prize_window.h"
#include "engine/machine/statistics_window.h"
#include "engine/rules/random.h"
#include "engine/screens/about_window.h"
#include "engine/screens/bet_dialog.h"
#include "engine/screens/help_window.h"
#include "engine/screens/high_score_window.h"
#include "engine/screens/instructions_window.h"
#include "engine/screens/main_window.h"
#include "engine/screens/opening_window.h"
#include "engine/screens/prize_window.h"
#include "engine/screens/statistics_window.h"

namespace ferlow {

class Machine final : public WindowEvents,
                      public OpeningWindowEvents,
                      public MainWindowEvents,
                      public PrizeWindowEvents,
                      public StatisticsWindowEvents,
                      public BetDialogEvents,
                      public HighScoreWindowEvents,
                      public AboutWindowEvents,
                      public HelpWindowEvents,
                      public InstructionsWindowEvents {
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
    HelpScreen help;
    AboutScreen about;
    Random random;

    // The program's entry: the opening window, then the main window loaded hidden.
    void startUp();
    // True once the program has been told to end. Events that reach the machine
    // after that find every window unloaded; the views send none.
    bool ended() const { return ended_; }

    void windowActivated(WindowId window) override;
    void windowMoved(WindowId window, double left, double top) override;

    void openingPlayClicked() override;
    void openingClosed() override;
    void openingLabelClicked() override;

    void mainActivated() override;
    void mainClosed() override;
    void numberPressed(int position) override;
    void markerPressed(int position) override;
    void commandDown(CommandButton button) override;
    void commandUp(CommandButton button) override;
    void commandClicked(CommandButton button) override;
    void menuOpened(Menu submenu) override;
    void menuClicked(Menu item) override;

    void prizeCloseClicked() override;
    void prizeCloseKey(int key) override;
    void prizeFrameClosed() override;
    void prizeBackgroundClicked() override;

    void statsCloseClicked() override;
    void statsFrameClosed() override;
    void statsBackgroundClicked() override;

    void betAmountClicked(BetAmount amount) override;
    void betHoldClicked() override;
    void betOkClicked() override;
    void betOkKey(int key) override;
    void betTextEdited(const std::string& text) override;
    void betTextKey(int key) override;
    void betTextMouseDown() override;
    void betFrameClosed() override;

    int hscNameKey(int place, int key) override;
    void hscNameClicked(int place) override;
    void hscNameEdited(int place, const std::string& text) override;
    void hscCloseClicked() override;
    void hscFrameClosed() override;
    void hscBackgroundClicked() override;

    void aboutTimerTick() override;
    void aboutOkClicked() override;
    void aboutFrameClosed() override;
    void aboutBackgroundClicked() override;

    void helpCloseClicked() override;
    void helpFrameClosed() override;
    void helpBackgroundClicked() override;

    void instructionsCloseClicked() override;
    void instructionsFrameClosed() override;
    void instructionsBackgroundClicked() override;

private:
    // What the handlers of several windows share: each is the machine's own
    // routine of the same name, in the file of the window it belongs to.
    void formLoad();
    void formUnload();
    void newGame();
    void resetGameDisplay();
    void applyDifficulty();
    void setDifficulty(Difficulty difficulty);
    void setPrizeDivisor();
    void buildPrizeTable();
    void showPrizes();
    void refreshOdds();
    void refreshPrizeRowColours();
    void showCredit();
    void showWon();
    void showBet();
    void showHits();
    void resetBoard();
    void togglePick(int position);
    void openQuickPick();
    void quickPick(Menu countItem);
    void quickPickNumbers();
    void changeNumbers();
    void clearDrawMarks();
    void openBetDialog();
    void loadBetDialog();
    void activateBetDialog();
    void acceptBet();
    void runDraw();
    void abandonDraw();
    void payWinnings();
    void playResultSound();
    void minusBet();
    void settleTurn();
    void endTurn();
    void checkGameOver();
    void showWinMessage();
    void showFinalPercent();
    void confirmExit();
    void showNumberStat(int number);
    void resetNumberStats();
    void resetStatsColours();
    void loadStatsWindow();
    void loadPrizeWindow();
    StatsScreen& statsWindow();  // loads the statistics window if it is not loaded
    PrizeScreen& prizeWindow();  // loads the prize window if it is not loaded
    void loadHighScoreWindow();
    void loadHighScores();
    void saveHighScores();
    void resetHighScores();
    void showStoredHighScores(const StoredHighScores& table);
    void refreshScorePercents();
    void showFace();
    void tellStoreProblem();
    void viewHighScores();
    void endNameEntry();
    void openAboutWindow();
    void openHelpWindow();
    void loadInstructionsWindow();
    void fillInstructions();
    void openInstructionsWindow();
    void openReadMe();
    void lockMainPrizeStats(bool locked);
    void centre(WindowState& window);
    WindowState& windowOf(WindowId window);
    bool boardTakesInput() const;

    void playOpeningSound();
    void playTick();
    void playLostSound();
    void playSmallWinSound();
    void playBigWinSound();

    HostPort& host_;
    bool ended_ = false;
    // True from Play to the end of the draw's settlement.
    bool drawing_ = false;
    // Counts the new games begun; a draw that sees it change while it waits
    // belongs to a game that is gone, and stops.
    unsigned gameNumber_ = 0;
    // True while Quick Pick lays its balls: the board takes no presses then.
    bool quickPicking_ = false;
    // Set by the player's reset: the next save writes this table as it is, where
    // otherwise it keeps the scores another game saved meanwhile.
    bool highScoresReset_ = false;
    // What became of a damaged or unreadable high-score file, told to the player
    // once the main window shows.
    std::string storeProblem_;
    // The game window that was active last: a window's activation steps run when
    // the activation moves to it from another game window.
    WindowId activeWindow_ = WindowId::Opening;
};

}  // namespace ferlow
