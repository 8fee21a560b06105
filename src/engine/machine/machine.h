// The keno machine: the game state, the screen model of every window, and the
// handlers that the windows' events run. Everything the platform does for it goes
// through the host port.
#pragma once

#include <string>
#include <string_view>

#include "engine/machine/game_state.h"
#include "engine/host_port.h"
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

enum class WindowId { Opening, Main, Prize, Stats, HighScores, Bet, Instructions, Help, About };
enum class CommandButton { Cmdbet, CmdPlay, Cmdexit };
enum class BetAmount { Cmd5, Cmd10, Cmd20, Cmd50, Cmd100, Cmdall };

inline constexpr int kEnterKey = 13;
inline constexpr int kBackspaceKey = 8;

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
    HelpScreen help;
    AboutScreen about;
    Random random;

    // True once the program has been told to end; handlers stop at once then.
    bool ended() const { return ended_; }

    // ---- start and stop ----
    void startUp();
    void openingPlayClicked();
    void openingClosed();        // the opening window closes, by Play or by its frame
    void openingLabelClicked();
    void mainActivated();        // the main window is activated or takes the focus
    // One of the game's windows becomes the active window. A message box is not
    // one of them, nor is another program's window.
    void windowActivated(WindowId window);
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

    // ---- prize window ----
    void prizeCloseClicked();
    void prizeCloseKey(int key);           // a key pressed while Close has the focus
    void prizeFrameClosed();               // closed by the window frame
    void prizeBackgroundClicked();

    // ---- statistics window ----
    void statsCloseClicked();
    void statsFrameClosed();
    void statsBackgroundClicked();

    // ---- bet dialog ----
    void betAmountClicked(BetAmount amount);
    void betHoldClicked();
    void betOkClicked();
    void betOkKey(int key);                // a key pressed while Ok has the focus
    void betTextEdited(const std::string& text);  // the player changed the amount field
    void betTextKey(int key);              // a character typed into the amount field
    void betTextMouseDown();
    void betFrameClosed();                 // refused: the dialog closes only by Ok

    // ---- high-score window ----
    // The character that reaches a name field for a typed one: letters and
    // Backspace pass, Enter ends the entry (returns 0), anything else becomes 'n'.
    int hscNameKey(int place, int key);
    void hscNameClicked(int place);
    void hscNameEdited(int place, const std::string& text);  // typed, deleted or pasted
    void hscCloseClicked();
    void hscFrameClosed();                 // acts as Close
    void hscBackgroundClicked();

    // ---- about window ----
    void aboutTimerTick();
    void aboutOkClicked();
    void aboutFrameClosed();
    void aboutBackgroundClicked();

    // ---- help window ----
    void helpCloseClicked();
    void helpFrameClosed();
    void helpBackgroundClicked();

    // ---- instructions window ----
    void instructionsCloseClicked();
    void instructionsFrameClosed();
    void instructionsBackgroundClicked();

    // ---- shared operations ----
    void newGame();
    void resetGameDisplay();
    void applyDifficulty();
    void setPrizeDivisor();
    void showCredit();
    void showWon();
    void showBet();
    void showHits();
    void refreshScorePercents();
    void resetStatsColours();
    void resetNumberStats();
    void showNumberStat(int number);
    void buildPrizeTable();
    void showPrizes();
    void openBetDialog();
    void acceptBet();
    void runDraw();
    void minusBet();
    void settleTurn();
    void rateCredit();
    void showWinMessage();
    void confirmExit();
    void showFinalPercent();
    void refreshPrizeRowColours();
    void refreshOdds();
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
    void setDifficulty(Difficulty difficulty);
    void resetBoard();
    void togglePick(int position);
    void clearBoard();
    void openQuickPick();
    void quickPick(Menu countItem);
    void quickPickNumbers();
    void changeNumbers();
    void clearDrawMarks();
    void loadBetDialog();
    void activateBetDialog();
    void setBetText(std::string text);
    void betTextChanged();
    void enableAmountButtons();
    void advanceTurn();
    void payWinnings();
    void playResultSound();
    void endTurn();
    void checkGameOver();
    void insertHighScore(int place, std::int64_t score);
    void endNameEntry();
    void unloadPrizeWindow();
    void unloadStatsWindow();
    void lockMainPrizeStats(bool locked);
    void openAboutWindow();
    void activateAboutWindow();
    void closeAboutWindow();
    void openHelpWindow();
    void closeHelpWindow();
    void openInstructionsWindow();
    void closeInstructionsWindow();
    void viewHighScores();
    void openReadMe();
    void showStoredHighScores(const StoredHighScores& table);
    void showScorePercents();
    void tellStoreProblem();

    Button& commandButton(CommandButton button);
    bool menuReachable(Menu item) const;
    bool boardTakesInput() const;
    void centre(WindowState& w);

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
    void abandonDraw();

    // The game window that was active last: a window's activation steps run when
    // the activation moves to it from another game window.
    WindowId activeWindow_ = WindowId::Opening;

    HostPort& host_;
    bool ended_ = false;
};

}  // namespace ferlow
