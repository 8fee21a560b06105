// The draw: one ball per change of the clock's second, hits, winnings counted
// into the credit while the balls fall, and the result sound.
#include <cmath>

#include "engine/machine/machine.h"
#include "engine/media_catalog.h"
#include "engine/rules/difficulty.h"
#include "engine/rules/format.h"

namespace ferlow {
namespace {

void advanceTurn(GameState& state, MainScreen& main)
{
    ++state.turn;
    main.PicShow.tooltip = turnsLeftText(state.turnLimit - state.turn);
    const double t = state.turn;
    const double limit = state.turnLimit;
    if (t == limit * 20 / 100) {
        main.PicShow.picture.show(files::kHourglass[1]);
    } else if (t == limit * 40 / 100) {
        main.PicShow.picture.show(files::kHourglass[2]);
    } else if (t == limit * 60 / 100) {
        main.PicShow.picture.show(files::kHourglass[3]);
    } else if (t == limit * 90 / 100) {
        main.PicShow.picture.show(files::kHourglass[4]);
    } else if (t == limit) {
        main.PicShow.picture.show(files::kHourglass[5]);
        main.PicShow.tooltip = "Last Turn. Game Over";
    }
}

}  // namespace

void Machine::runDraw()
{
    // New Game can be chosen while the balls fall (from the second hit on); the
    // draw then belongs to a game that is gone and must not go on marking the
    // fresh board or paying into the fresh credit.
    const unsigned game = gameNumber_;
    drawing_ = true;
    main.CmdPlay.enabled = false;
    main.CmdPlay.face.show(files::kPlating);
    main.window.pointer = Pointer::ArrowHourglass;
    advanceTurn(state, main);
    showBet();
    for (int i = 0; i < kBoardNumbers; ++i) state.drawnFlags[static_cast<std::size_t>(i)] = 0;

    // The ball counter, the index drawn and the second waited on belong to this
    // draw alone: handlers that run while it waits see the state mid-draw.
    const int balls = static_cast<int>(state.ballsPerDraw);
    for (int ball = 1; ball <= balls; ++ball) {
        int second = 0;
        int index = 0;
        do {
            second = host_.secondsSinceMidnight() % 60;
            index = random.below(kBoardNumbers);
        } while (state.drawnFlags[static_cast<std::size_t>(index)] == 1);
        state.drawnFlags[static_cast<std::size_t>(index)] = 1;

        host_.waitForSecondChange(second);
        if (ended_) return;
        if (game != gameNumber_) return abandonDraw();

        const int number = index + 1;
        ++state.numberStats[static_cast<std::size_t>(number)];
        showNumberStat(number);
        statsWindow().Pnlcentre.caption.set("Highest Score: " + fmt::zeroPadded5(state.highScores[0]) + "     " +
                                            "Balls out: " + fmt::zeroPadded2(ball) +
                                            "   Number: " + fmt::zeroPadded2(number) + "     " +
                                            "Turn: " + fmt::zeroPadded2(state.turn));

        auto& marker = main.Shp1[static_cast<std::size_t>(index)];
        if (!marker.visible) {
            marker.setImage(ListImage::Drawn);
            marker.visible = true;
            host_.playSound(files::kBallSound, PlayMode::Async);
            continue;
        }
        host_.playSound(files::kHitSound, PlayMode::Async);
        ++state.hits;
        showHits();
        marker.setImage(ListImage::Hit);
        marker.visible = true;
        if (state.hits >= 2) {
            setPrizeDivisor();
            buildPrizeTable();
            showPrizes();
            payWinnings();
            if (ended_) return;
            if (game != gameNumber_) return abandonDraw();
        }
    }

    main.item(Menu::Mnucnum).enabled = true;
    playResultSound();
    main.window.pointer = Pointer::Default;
    main.Cmdbet.enabled = true;
    setPrizeDivisor();
    buildPrizeTable();
    // The loss is judged from the difficulty and the picks, not from minWinHits,
    // which Play has set to 2.
    if (state.hits < lowestPayingHits(state.difficulty, state.spots)) minusBet();
    drawing_ = false;
    settleTurn();
}

// What the end of a draw and its settlement would have put back, without
// settling a turn of a game that no longer exists. The turn's win goes with it:
// the next turn starts from nothing won.
void Machine::abandonDraw()
{
    drawing_ = false;
    state.creditCountFrom = 1;
    state.won = 0;
    state.prize = 0;
    main.item(Menu::Mnucnum).enabled = true;
    main.item(Menu::MnuScStyl).enabled = true;
    main.window.pointer = Pointer::Default;
}

// Pays the part of `won` not paid yet, so that over a draw the credit rises by
// exactly the final prize however often it grew.
void Machine::payWinnings()
{
    main.item(Menu::Mnungam).enabled = true;
    if (!paidDuringDraw(state.difficulty, state.spots, state.hits)) return;

    const double due = state.won - (state.creditCountFrom - 1);
    if (state.scoreStyle == ScoreStyle::Slow) {
        // One credit per pass of the event loop, every value shown. A fraction
        // of a credit (from a fractional bet) is paid with the last step.
        double paid = 0;
        const unsigned game = gameNumber_;
        for (; paid + 1 <= due; paid += 1) {
            host_.processEvents();
            if (ended_ || game != gameNumber_) return;
            state.credit += 1;
            showCredit();
        }
        // The last whole value is painted before the fraction moves it on.
        if (due - paid > 0) {
            host_.processEvents();
            if (ended_ || game != gameNumber_) return;
            state.credit += due - paid;
            showCredit();
        }
    } else if (due > 0) {
        state.credit += due;
        showCredit();
    }
    state.creditCountFrom = state.won + 1;
}

void Machine::playResultSound()
{
    if (state.soundMode != SoundMode::On) return;
    switch (resultSound(state.difficulty, state.spots, state.hits)) {
    case ResultSound::BigWin: playBigWinSound(); break;
    case ResultSound::SmallWin: playSmallWinSound(); break;
    case ResultSound::Lost: playLostSound(); break;
    }
}

}  // namespace ferlow
