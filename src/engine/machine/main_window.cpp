// FrmFerlow: the main window. Start-up, its load and unload, New Game and the
// reset after a finished game, the difficulty it applies, its command buttons
// (Bet, Play and Exit, with the pressed face they show while held), and which
// of the game's windows is active.
#include "engine/machine/machine.h"
#include "engine/media_catalog.h"
#include "engine/rules/difficulty.h"

namespace ferlow {
namespace {

Button& commandButton(MainScreen& main, CommandButton button)
{
    switch (button) {
    case CommandButton::Cmdbet: return main.Cmdbet;
    case CommandButton::CmdPlay: return main.CmdPlay;
    case CommandButton::Cmdexit: return main.Cmdexit;
    }
    return main.Cmdexit;
}

}  // namespace

void Machine::startUp()
{
    // The opening window loads and shows first, then paints while the rest loads.
    opening = OpeningScreen{};
    opening.window.loaded = true;
    opening.window.width = kOpeningSize.width;
    opening.window.height = kOpeningSize.height;
    centre(opening.window);
    opening.Picture1.picture.show(files::kOpeningPicture);
    opening.window.visible = true;
    // Stops here if the program was ended meanwhile (its windows are gone).
    host_.processEvents();
    if (ended_) return;

    formLoad();
    if (ended_) return;
    loadInstructionsWindow();
    // The main window shows when the opening window closes.
}

void Machine::mainActivated() { main.window.pointer = Pointer::Default; }

void Machine::windowActivated(WindowId window)
{
    const WindowId before = activeWindow_;
    activeWindow_ = window;
    if (before == window) return;
    if (window == WindowId::Main) mainActivated();
    // Coming back to the bet dialog from another window (the main window is
    // unlocked again after a refused amount) runs its activation as opening it did.
    if (window == WindowId::Bet && betDialog.window.visible) activateBetDialog();
}

void Machine::mainClosed() { formUnload(); }

void Machine::formLoad()
{
    main.window.loaded = true;
    main.window.height = kMainLoadingSize.height;
    main.window.width = kMainLoadingSize.width;

    loadStatsWindow();
    for (int n = 1; n <= kBoardNumbers; ++n) stats.panel(n).back = Color::buttonFace();

    for (Label* panel : {&main.LblHit, &main.LblWon, &main.LblCred, &main.LblBet}) panel->fore = kStatusPanelText;

    state.turnLimit = kTurnsPerGame;
    main.item(Menu::Mnueasy).checked = true;
    state.difficultyFactor = 1;
    state.scoreStyle = ScoreStyle::Slow;
    main.item(Menu::MnuSlow).checked = true;

    main.Image1.picture.show(files::kLogo);
    for (Button* b : {&main.Cmdbet, &main.CmdPlay, &main.Cmdexit}) b->face.show(files::kPlating);

    main.item(Menu::Mnungam).enabled = false;

    for (auto& marker : main.Shp1) {
        marker.setImage(ListImage::Picked);
        marker.visible = false;
    }

    main.PicShow.picture.show(files::kHourglass[0]);
    main.PicShow.tooltip = turnsLeftText(state.turnLimit);

    for (int n = 1; n <= kBoardNumbers; ++n) {
        state.numberStats[static_cast<std::size_t>(n)] = 0;
        stats.panel(n).caption.set(std::to_string(n) + ",0");
    }

    main.item(Menu::Mnuoff).checked = true;
    state.betHeld = false;
    state.statsResetPending = false;

    // The main window and the prize window side by side are centred across the
    // screen; the main window and the statistics window below it top to bottom.
    main.window.height = kMainSize.height;
    loadPrizeWindow();
    const ScreenSize screen = host_.screenSize();
    main.window.left = (screen.widthTwips - (main.window.width + prize.window.width)) / 2;
    main.window.top = (screen.heightTwips - (main.window.height + stats.window.height)) / 2;
    main.window.width = kMainSize.width;

    main.CmdPlay.enabled = false;
    main.Cmdbet.enabled = false;

    loadHighScores();

    state.credit = kStartingCredit;
    state.ballsPerDraw = 20;
    state.soundMode = SoundMode::Off;
    state.difficulty = Difficulty::Easy;
    state.turn = 0;
    state.creditCountFrom = 1;

    applyDifficulty();
    playOpeningSound();
    random.reseed(static_cast<std::uint64_t>(host_.secondsSinceMidnight()));
}

void Machine::formUnload()
{
    if (ended_) return;
    state.prizeTable = {};
    state.drawnFlags = {};
    state.numberStats = {};
    for (WindowState* w :
         {&about.window, &instructions.window, &prize.window, &stats.window, &hsc.window, &betDialog.window}) {
        w->visible = false;
        w->loaded = false;
    }
    main.window.visible = false;
    main.window.loaded = false;
    ended_ = true;
    host_.quit();
}

void Machine::newGame()
{
    ++gameNumber_;
    // A bet dialog left open (Ok unlocks the main window even after a refused
    // amount) belonged to the old game's turn: it closes with it, so no bet is
    // placed for a board that New Game empties.
    if (betDialog.window.visible) {
        betDialog.window.visible = false;
        prizeWindow().window.enabled = true;
        statsWindow().window.enabled = true;
        main.Cmdexit.enabled = true;
    }
    resetStatsColours();
    main.item(Menu::Mnuqp).enabled = true;
    main.item(Menu::Mnugtyp).enabled = true;
    for (Menu m : kQuickPickItems) main.item(m).checked = false;
    resetNumberStats();
    resetStatsColours();
    main.CmdPlay.enabled = false;
    main.Cmdbet.enabled = false;
    main.PicShow.picture.show(files::kHourglass[0]);
    main.PicShow.tooltip = turnsLeftText(state.turnLimit);
    state.betHeld = false;
    betDialog.fillinWidthTwips = 0;
    betDialog.Cmdhold.enabled = false;
    state.credit = kStartingCredit;
    state.prize = 0;
    state.bet = 0;
    state.hits = 0;
    state.spots = 0;
    state.turn = 0;
    state.minWinHits = 2;
    // The won panel keeps the last amount won: won itself is not reset here.
    showHits();
    showCredit();
    showWon();
    showBet();
    resetBoard();
}

void Machine::resetGameDisplay()
{
    betDialog.fillinWidthTwips = 0;
    betDialog.Cmdhold.enabled = false;
    state.betHeld = false;
    main.PicShow.picture.show(files::kHourglass[0]);
    main.PicShow.tooltip = turnsLeftText(state.turnLimit);
    state.won = 0;
    state.turn = 0;
    state.credit = kStartingCredit;
    state.prize = 0;
    state.bet = 0;
    state.hits = 0;
    state.heldBet = 0;
    hsc.Lblpercent.caption.set("");
    showCredit();
    refreshScorePercents();
    resetStatsColours();
    showWon();
    showBet();
    showHits();
}

void Machine::commandDown(CommandButton button)
{
    if (!main.window.loaded) return;
    commandButton(main, button).face.show(files::kPlatingPressed);
}

void Machine::commandUp(CommandButton button)
{
    if (!main.window.loaded) return;
    commandButton(main, button).face.show(files::kPlating);
    if (button == CommandButton::Cmdexit) state.statsResetPending = false;
}

void Machine::commandClicked(CommandButton button)
{
    if (!main.window.visible || !main.window.enabled || !commandButton(main, button).enabled) return;
    switch (button) {
    case CommandButton::Cmdbet:
        main.item(Menu::Mnuqp).enabled = false;
        playTick();
        openBetDialog();
        break;
    case CommandButton::CmdPlay:
        main.item(Menu::Mnungam).enabled = false;
        playTick();
        state.minWinHits = 2;
        runDraw();
        break;
    case CommandButton::Cmdexit:
        playTick();
        confirmExit();
        break;
    }
}

void Machine::applyDifficulty()
{
    state.difficultyName = difficultyLevel(state.difficulty).name;
    PrizeScreen& p = prizeWindow();
    p.row(2).visible = showsTwoHitRow(state.difficulty, state.spots);
    p.row(3).visible = showsThreeHitRow(state.difficulty, state.spots);
    state.minWinHits = static_cast<std::int16_t>(lowestPayingHits(state.difficulty, state.spots));
    refreshScorePercents();
    main.SSPNum.caption.set(state.difficultyName);
}

void Machine::setPrizeDivisor() { state.prizeDivisor = prizeDivisorFor(state.difficultyFactor, state.prizeDivisor); }

void Machine::setDifficulty(Difficulty difficulty)
{
    const DifficultyLevel& level = difficultyLevel(difficulty);
    state.difficulty = level.difficulty;
    state.difficultyFactor = level.factor;
    state.ballsPerDraw = level.ballsPerDraw;
    for (std::size_t i = 0; i < kDifficultyItems.size(); ++i)
        main.item(kDifficultyItems[i]).checked = static_cast<int>(i) + 1 == static_cast<int>(difficulty);
    main.SSPNum.caption.set(level.name);
    applyDifficulty();
}

}  // namespace ferlow
