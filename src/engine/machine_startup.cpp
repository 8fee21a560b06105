// Start-up, the opening window, the main window's load and unload, New Game and
// the reset after a finished game.
#include "engine/data_folder.h"
#include "engine/format.h"
#include "engine/instructions_text.h"
#include "engine/machine.h"
#include "engine/media_files.h"
#include "engine/prize_table.h"

namespace ferlow {

void Machine::startUp()
{
    // The opening window loads and shows first, then paints while the rest loads.
    opening = OpeningScreen{};
    opening.window.loaded = true;
    state.drivePrefix = drivePrefixOf(host_.currentDirectory());
    opening.window.width = 7485;
    opening.window.height = 4320;
    centre(opening.window);
    opening.Picture1.picture.show(dataFile(files::kOpeningPicture));
    opening.window.visible = true;
    host_.processEvents();
    if (ended_) return;

    formLoad();
    if (ended_) return;
    loadInstructionsWindow();
    // The main window shows when the opening window closes.
}

void Machine::openingPlayClicked()
{
    opening.window.visible = false;
    openingClosed();
}

void Machine::openingClosed()
{
    if (!opening.window.loaded) return;
    main.window.visible = true;
    opening.window.pointer = Pointer::Default;
    opening.window.visible = false;
    opening.window.loaded = false;
}

void Machine::openingLabelClicked() { host_.beep(); }

void Machine::mainActivated() { main.window.pointer = Pointer::Default; }

void Machine::windowActivated(WindowId window)
{
    if (ended_) return;
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
    main.window.height = 5245;
    main.window.width = 7260;

    loadStatsWindow();
    for (int n = 1; n <= kBoardNumbers; ++n) stats.panel(n).back = Color::buttonFace();

    for (Label* panel : {&main.LblHit, &main.LblWon, &main.LblCred, &main.LblBet}) panel->fore = kStatusPanelText;

    state.drivePrefix = drivePrefixOf(host_.currentDirectory());
    state.turnLimit = kTurnsPerGame;
    main.item(Menu::Mnueasy).checked = true;
    state.difficultyFactor = 1;
    state.slowCount = true;
    main.item(Menu::MnuSlow).checked = true;

    main.Image1.picture.show(dataFile(files::kLogo));
    for (Button* b : {&main.Cmdbet, &main.CmdPlay, &main.Cmdexit}) b->face.show(dataFile(files::kPlating));

    main.item(Menu::Mnungam).enabled = false;

    for (auto& marker : main.Shp1) {
        marker.setImage(ListImage::Picked);
        marker.visible = false;
    }

    main.PicShow.picture.show(dataFile(files::kHourglass[0]));
    main.PicShow.tooltip = "You have " + std::to_string(state.turnLimit) + " turns";

    for (int n = 1; n <= kBoardNumbers; ++n) {
        state.numberStats[static_cast<std::size_t>(n)] = 0;
        stats.panel(n).caption.set(std::to_string(n) + ",0");
    }

    main.item(Menu::Mnuoff).checked = true;
    state.betHeld = false;
    state.statsResetPending = false;

    // The main window and the prize window side by side are centred across the
    // screen; the main window and the statistics window below it top to bottom.
    main.window.height = 5150;
    loadPrizeWindow();
    const ScreenSize screen = host_.screenSize();
    main.window.left = (screen.widthTwips - (main.window.width + prize.window.width)) / 2;
    main.window.top = (screen.heightTwips - (main.window.height + stats.window.height)) / 2;
    main.window.width = 7250;

    main.CmdPlay.enabled = false;
    main.Cmdbet.enabled = false;

    loadHighScores();

    state.credit = kStartingCredit;
    state.ballsPerDraw = 20;
    state.soundMode = 2;
    state.difficulty = 1;
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
    for (WindowState* w : {&instructions.window, &prize.window, &stats.window, &hsc.window, &betDialog.window}) {
        w->visible = false;
        w->loaded = false;
    }
    main.window.visible = false;
    main.window.loaded = false;
    ended_ = true;
    host_.quit();
}

void Machine::loadStatsWindow()
{
    if (stats.window.loaded) return;
    stats = StatsScreen{};
    stats.window.loaded = true;
    stats.window.height = 4335;
    // The legend's colours belong to the window: every loading paints them, also
    // after the close box has unloaded it.
    for (std::size_t i = 0; i < stats.legendShapes.size(); ++i) stats.legendShapes[i] = ratingBands()[i].colour;
}

void Machine::loadPrizeWindow()
{
    if (prize.window.loaded) return;
    prize = PrizeScreen{};
    prize.window.loaded = true;
    prize.window.width = 2550;
    prize.window.height = 4545;
    // Until the first prize build the rows show a bet of 10 on ten spots at Easy.
    constexpr int kInitialPrizes[11] = {0, 0, 10, 30, 50, 150, 250, 650, 1050, 1500, 2000};
    for (int h = 2; h <= 10; ++h)
        prize.row(h).caption.set(prizeRowText(h, 10, kInitialPrizes[h]));
    refreshOdds();
}

void Machine::loadHighScoreWindow()
{
    if (hsc.window.loaded) return;
    hsc.window.loaded = true;
    hsc.PicFace.back = Color::buttonFace();
    const ScreenSize screen = host_.screenSize();
    hsc.window.top = screen.heightTwips / 2 - hsc.window.height / 1.5;
    hsc.window.left = screen.widthTwips / 2 - main.window.width / 1.5;
    hsc.LblLoss.caption.set("You lost " + std::to_string(state.creditsLost) + " credits");
    for (int place = 1; place <= kHighScorePlaces; ++place)
        hsc.Lblhi[static_cast<std::size_t>(place - 1)].caption.set(scoreCaption(place));
}

void Machine::loadInstructionsWindow()
{
    if (instructions.window.loaded) return;
    instructions = InstructionsScreen{};
    instructions.window.loaded = true;
    instructions.window.height = 5300;
    instructions.window.width = 7485;
    centre(instructions.window);
    fillInstructions();
}

void Machine::resetBoard()
{
    for (int i = 0; i < kBoardNumbers; ++i) {
        main.Lbl1[static_cast<std::size_t>(i)].enabled = true;
        state.drawnFlags[static_cast<std::size_t>(i)] = 0;
        auto& marker = main.Shp1[static_cast<std::size_t>(i)];
        marker.setImage(ListImage::Picked);
        marker.visible = false;
    }
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
    main.PicShow.picture.show(dataFile(files::kHourglass[0]));
    main.PicShow.tooltip = "You have " + std::to_string(state.turnLimit) + " turns";
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
    main.PicShow.picture.show(dataFile(files::kHourglass[0]));
    main.PicShow.tooltip = "You have " + std::to_string(state.turnLimit) + " turns";
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

}  // namespace ferlow

namespace ferlow {

// Sets both paragraphs afresh from their first piece, so they never double. The
// dotted background is the view's: it is decoration drawn from its own generator.
void Machine::fillInstructions()
{
    ++instructions.greyDotRuns;
    host_.processEvents();
    if (ended_) return;
    ++instructions.whiteDotRuns;
    instructions.Lblins1.caption.set(joinPieces(kInstructionPieces1));
    instructions.Lblins2.caption.set(joinPieces(kInstructionPieces2));
}

}  // namespace ferlow
