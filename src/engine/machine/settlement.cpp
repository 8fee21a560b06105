// The end of a turn: a lost bet, the captions brought up to date, the end of a
// game for lack of credit or of turns, the high-score entry and the exit question.
#include <cmath>
#include <limits>

#include "engine/machine/machine.h"
#include "engine/media_catalog.h"
#include "engine/rules/format.h"

namespace ferlow {
namespace {

// A 16-bit total: the nearest whole number, a half to the even neighbour, held
// within the field's range.
std::int16_t toInt16(double value)
{
    const double r = std::nearbyint(value);
    if (r > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
    if (r < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(r);
}

// A final credit enters the table as a whole number: the nearest one, a half to
// the even neighbour, held within the file's range.
std::int64_t wholeScore(double credit)
{
    const double r = std::nearbyint(credit);
    if (!(r < 0x1p63)) return r > 0 ? std::numeric_limits<std::int64_t>::max() : 0;
    if (r < -0x1p63) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(r);
}

// The scores and names from `place` down move one place lower; the new place's
// name field opens, empty and yellow, for the player's name.
void insertHighScore(GameState& state, HighScoreScreen& hsc, int place, std::int64_t score)
{
    const auto k = static_cast<std::size_t>(place - 1);
    for (std::size_t i = kHighScorePlaces - 1; i > k; --i) {
        state.highScores[i] = state.highScores[i - 1];
        hsc.Txtnam[i].text = hsc.Txtnam[i - 1].text;
    }
    state.highScores[k] = score;
    hsc.Txtnam[k].enabled = true;
    hsc.Txtnam[k].text.clear();
    hsc.Txtnam[k].back = palette::yellow;
    // Written in a short form; the captions' change rule completes them.
    for (std::size_t i = k; i < kHighScorePlaces; ++i)
        hsc.Lblhi[i].caption.set("Highest Score " + fmt::groupedOrEmpty(state.highScores[i]));
    hsc.Lblsign.visible = true;
}

void rateCredit(GameState& state)
{
    const double c = state.credit;
    state.rating = c > 20000 ? 1 : c > 10000 ? 2 : c > 5000 ? 3 : c > 1000 ? 4 : c > 400 ? 5 : 6;
}

}  // namespace

void Machine::minusBet()
{
    state.credit -= state.bet;
    state.creditsLost = toInt16(state.creditsLost + state.bet);
    hsc.LblLoss.caption.set(lossText(state.creditsLost));
    main.item(Menu::Mnungam).enabled = true;
    showCredit();
}

void Machine::settleTurn()
{
    state.creditCountFrom = 1;
    main.item(Menu::MnuScStyl).enabled = true;
    showPrizes();
    showCredit();
    showBet();
    endTurn();
}

void Machine::endTurn()
{
    state.won = 0;
    state.prize = 0;
    state.bet = 0;
    if (state.credit < 1) {
        state.creditsLost = 0;
        hsc.LblLoss.caption.set("");
        betDialog.fillinWidthTwips = 0;
        host_.showMessage(
            {"Game Over", "You have no Credit.", MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
        if (ended_) return;
        main.item(Menu::Mnugtyp).enabled = true;
        resetGameDisplay();
        resetNumberStats();
        resetStatsColours();
    }
    checkGameOver();
}

void Machine::checkGameOver()
{
    rateCredit(state);
    if (state.turn != state.turnLimit) return;

    main.window.enabled = false;
    main.PicShow.picture.show(files::kHourglass[0]);
    // A credit stays far below 2^53, so comparing it with a score is exact.
    const double c = state.credit;
    const auto& hs = state.highScores;
    if (c > hs[0])
        insertHighScore(state, hsc, 1, wholeScore(c));
    else if (hs[1] < c && c < hs[0])
        insertHighScore(state, hsc, 2, wholeScore(c));
    else if (hs[2] < c && c < hs[1])
        insertHighScore(state, hsc, 3, wholeScore(c));
    else if (hs[3] < c && c < hs[2])
        insertHighScore(state, hsc, 4, wholeScore(c));
    else if (hs[4] < c && c < hs[3])
        insertHighScore(state, hsc, 5, wholeScore(c));
    hsc.LblLoss.caption.set(lossText(state.creditsLost));
    showFinalPercent();
    main.Cmdbet.enabled = false;
    if (state.turn >= state.turnLimit && c < state.highScores[4]) showWinMessage();
    if (ended_) return;
    confirmExit();
}

void Machine::showWinMessage()
{
    const double c = state.credit;
    if (c - kStartingCredit > kStartingCredit) {
        state.ratingWord = c >= 20000  ? "Excellent"
                           : c > 10000 ? "Great"
                           : c > 5000  ? "Very good"
                           : c > 1000  ? "Good"
                           : c >= 400  ? "Not bad"
                                       : "Poor but";
        host_.showMessage({state.ratingWord, "You won " + fmt::grouped(c) + " Credits.", MessageIcon::Information,
                           MessageButtons::Ok, MessageAnswer::Ok});
        if (ended_) return;
    }
    rateCredit(state);
}

// The percentage of the final credit is worked out, but the fresh game that
// follows empties its label before the window is seen.
void Machine::showFinalPercent()
{
    main.item(Menu::Mnugtyp).enabled = true;
    if (state.average < 1) return;
    state.average = state.average + state.average * 15 / 100;
    const double p = state.credit / (state.average / 100);
    hsc.Lblpercent.caption.set(fmt::plain(state.credit) + " is " + fmt::percentPlain(p / 100) + " out of Average.");
}

void Machine::confirmExit()
{
    main.Cmdexit.face.show(files::kPlating);
    const MessageAnswer answer = host_.showMessage(
        {"Exit", "Do you wish to exit Ferlow, say no if you won and want your name in the High Scores.",
         MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
    if (ended_) return;
    if (answer == MessageAnswer::Yes) {
        showWinMessage();
        if (ended_) return;
        host_.showMessage(
            {"Thankyou", "For playing Ferlow", MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
        formUnload();
        return;
    }
    state.statsResetPending = true;
    // During the last turn's draw the turns are not used up until it settles;
    // resetting the game under it would lose the game's result.
    if (state.turn >= state.turnLimit && !drawing_) {
        resetGameDisplay();
        hsc.window.visible = true;
        prizeWindow().window.enabled = false;
        statsWindow().window.enabled = false;
    }
}

}  // namespace ferlow
