// Ferlowprize: the prize window. The prize table as the rows show it, the win of
// the current hit count, the odds, and the window's own events.
#include "engine/machine/machine.h"
#include "engine/rules/difficulty.h"
#include "engine/rules/format.h"
#include "engine/rules/odds.h"
#include "engine/rules/prize_table.h"
#include <map>
#include <utility>

namespace ferlow {
namespace {

// Closing the prize window unloads it: its rows are lost, and the next showing
// starts from the initial table.
void unloadPrizeWindow(MainScreen& main, PrizeScreen& prize)
{
    main.window.enabled = true;
    main.item(Menu::Mnupri).checked = false;
    prize.window.visible = false;
    prize.window.loaded = false;
}

}  // namespace

void Machine::buildPrizeTable()
{
    ferlow::buildPrizeTable(state.spots, state.prizeDivisor, state.difficultyFactor, state.prizeTable, state.average);
}

void Machine::showPrizes()
{
    PrizeScreen& p = prizeWindow();
    for (int h = 10; h >= state.spots + 1 && h >= 2; --h) p.row(h).caption.set("");
    for (int h = state.spots; h >= state.minWinHits && h >= 2; --h) {
        const double factor = state.prizeTable[static_cast<std::size_t>(h)];
        state.prize = state.bet * factor;
        if (h == state.hits) {
            state.won = state.bet * factor;
            p.row(h).fore = palette::brightRed;
        }
        // The row of the previous hit count loses its highlight as the count rises.
        if (state.hits > 2 && state.hits - 1 >= 2 && state.hits - 1 <= 10) p.row(state.hits - 1).fore = palette::black;
        p.row(h).caption.set(prizeRowText(h, state.spots, state.prize));
    }
    showWon();
    if (state.spots >= kMinPicks) {
        p.rowsSpots = state.spots;
        p.rowsDifficulty = state.difficulty;
    }
    refreshOdds();
}

// Each row tells the exact chance of its hit count, and the window what a credit
// returns, for the table the rows show: its ticket and its level's balls, which
// are not the current ones until the rows are next written.
void Machine::refreshOdds()
{
    PrizeScreen& p = prizeWindow();
    const Difficulty difficulty = p.rowsDifficulty;
    const int balls = static_cast<int>(difficultyLevel(difficulty).ballsPerDraw);
    // The texts depend on three small numbers only, and the rows are shown anew
    // at every hit of a draw: work them out once.
    struct Texts {
        std::array<std::string, 11> rows;
        std::string window;
    };
    static std::map<std::pair<Difficulty, int>, Texts> known;
    auto [it, fresh] = known.try_emplace({difficulty, p.rowsSpots});
    Texts& t = it->second;
    if (fresh) {
        for (int h = 2; h <= 10; ++h)
            t.rows[static_cast<std::size_t>(h)] = h <= p.rowsSpots ? chanceText(hitChance(p.rowsSpots, h, balls)) : "";
        t.window = "A bet of 1 credit on " + std::to_string(p.rowsSpots) + " picks at " +
                   difficultyLevel(difficulty).name + " returns " +
                   fmt::fixed(expectedReturn(difficulty, p.rowsSpots), 2) + " on average.";
    }
    for (int h = 2; h <= 10; ++h) p.row(h).tooltip = t.rows[static_cast<std::size_t>(h)];
    p.tooltip = t.window;
}

// Rows from the lowest paying count up lose the red of the last draw: they take
// the text colour of the window's Close button.
void Machine::refreshPrizeRowColours()
{
    PrizeScreen& p = prizeWindow();
    for (int h = std::max<int>(state.minWinHits, 2); h <= 10; ++h) p.row(h).fore = Color::buttonText();
}

void Machine::prizeCloseClicked()
{
    if (!prize.window.loaded || !prize.window.enabled) return;
    playTick();
    unloadPrizeWindow(main, prize);
}

void Machine::prizeCloseKey(int key)
{
    if (!prize.window.loaded || !prize.window.enabled) return;
    if (key == kEnterKey) unloadPrizeWindow(main, prize);
}

void Machine::prizeFrameClosed()
{
    if (!prize.window.loaded) return;
    unloadPrizeWindow(main, prize);
}

void Machine::prizeBackgroundClicked() { host_.beep(); }

void Machine::loadPrizeWindow()
{
    if (prize.window.loaded) return;
    prize = PrizeScreen{};
    prize.window.loaded = true;
    prize.window.width = kPrizeSize.width;
    prize.window.height = kPrizeSize.height;
    // Until the first prize build the rows show a bet of 10 on ten spots at Easy.
    constexpr int kInitialPrizes[11] = {0, 0, 10, 30, 50, 150, 250, 650, 1050, 1500, 2000};
    for (int h = 2; h <= 10; ++h) prize.row(h).caption.set(prizeRowText(h, 10, kInitialPrizes[h]));
    refreshOdds();
}

PrizeScreen& Machine::prizeWindow()
{
    loadPrizeWindow();
    return prize;
}

}  // namespace ferlow
