// The one record of the machine's state: game progress, settings and the values
// the windows share. Created before any window loads, alive until the end.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace ferlow {

inline constexpr int kBoardNumbers = 80;
inline constexpr int kMaxPicks = 10;
inline constexpr int kMinPicks = 4;
inline constexpr int kHighScorePlaces = 5;
inline constexpr double kStartingCredit = 30;
inline constexpr int kTurnsPerGame = 20;

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
    std::int16_t minWinHits = 2;   // lowest hit count that pays
    std::int16_t prizeDivisor = 2; // 2 Easy, 3 Medium, 4 Hard, 5 Hardest
    std::array<int, kBoardNumbers + 1> drawnFlags{};   // by board position 0..79
    std::array<int, kBoardNumbers + 1> numberStats{};  // by number 1..80
    // Place 1 first. Whole numbers, exactly as the file keeps them: a double would
    // change scores beyond 2^53 on their way from the file back to it.
    std::array<std::int64_t, kHighScorePlaces> highScores{};

    // Settings; none is stored between runs.
    int difficulty = 1;            // 1 Easy, 2 Medium, 3 Hard, 4 Hardest
    double difficultyFactor = 1;   // 1, 1.5, 2, 2.5
    std::string difficultyName = "Easy";
    float ballsPerDraw = 20;
    int soundMode = 2;             // 1 result sounds on, 2 off
    bool slowCount = true;         // count winnings into the credit one unit at a time
    std::string drivePrefix;

    // Prize table: factor by hit count 1..10 under the latest build.
    std::array<double, kMaxPicks + 1> prizeTable{};
    double average = 0;            // base of the "of Average" percentages

    // Settlement and high scores.
    std::optional<int> rating;     // 1..6 once a credit has been rated
    std::string ratingWord;
    std::int16_t creditsLost = 0;
    int hscShownFromMenu = 0;

    // Bet dialog.
    bool betHeld = false;
    double heldBet = 0;
    bool statsResetPending = false;
    int exitAnswer = 0;

    // Quick Pick: positions already chosen by the running pick.
    std::array<std::int16_t, kBoardNumbers + 1> quickPickFlags{};
};

}  // namespace ferlow
