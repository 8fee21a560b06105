// The one record of the machine's state: game progress, settings and the values
// the windows share. Created before any window loads, alive until the end.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/rules/difficulty.h"
#include "engine/rules/high_score_table.h"
#include "engine/rules/keno.h"

namespace ferlow {

// Whether the result sounds play after a draw (ticks and balls always sound).
enum class SoundMode { On, Off };
// How a win goes into the credit: at once, or one credit at a time with every
// value shown (the slow count).
enum class ScoreStyle { Fast, Slow };

struct GameState {
    // Game progress. Amounts are real numbers, whole in ordinary play; a typed
    // bet with a fraction leaves a fraction in the credit.
    double credit = kStartingCredit;
    double bet = 0;
    double won = 0;
    double prize = 0;
    int hits = 0;
    int spots = 0;  // numbers picked on the board
    int turn = 0;
    int turnLimit = kTurnsPerGame;
    // First credit unit of the current prize not yet paid. Real, so a prize with
    // a fraction (from a fractional bet) is paid exactly.
    double creditCountFrom = 1;
    std::int16_t minWinHits = 2;                       // lowest hit count that pays
    std::int16_t prizeDivisor = 2;                     // 2 Easy, 3 Medium, 4 Hard, 5 Hardest
    std::array<int, kBoardNumbers + 1> drawnFlags{};   // by board position 0..79
    std::array<int, kBoardNumbers + 1> numberStats{};  // by number 1..80
    // Place 1 first. Whole numbers, exactly as the file keeps them: a double would
    // change scores beyond 2^53 on their way from the file back to it.
    std::array<std::int64_t, kHighScorePlaces> highScores{};

    // Settings; none is stored between runs.
    Difficulty difficulty = Difficulty::Easy;
    double difficultyFactor = 1;  // 1, 1.5, 2, 2.5: the prize table's overrides test it
    std::string difficultyName = "Easy";
    float ballsPerDraw = 20;
    SoundMode soundMode = SoundMode::Off;
    ScoreStyle scoreStyle = ScoreStyle::Slow;

    // Prize table: factor by hit count 1..10 under the latest build.
    std::array<double, kMaxPicks + 1> prizeTable{};
    double average = 0;  // base of the "of Average" percentages

    // Settlement and high scores.
    std::optional<int> rating;  // 1..6 once a credit has been rated
    std::string ratingWord;
    std::int16_t creditsLost = 0;
    bool hscShownFromMenu = false;  // the high-score window is open for viewing

    // Bet dialog.
    bool betHeld = false;
    double heldBet = 0;
    bool statsResetPending = false;

    // Quick Pick: positions already chosen by the running pick.
    std::array<std::int16_t, kBoardNumbers + 1> quickPickFlags{};
};

}  // namespace ferlow
