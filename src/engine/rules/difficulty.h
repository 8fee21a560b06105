// The four difficulty levels and what each implies for a ticket of `spots` picks:
// the balls drawn, the prize divisor, and the hit counts that pay, sound a win
// and are paid during the draw.
#pragma once

#include <cstdint>

namespace ferlow {

enum class Difficulty { Easy = 1, Medium, Hard, Hardest };

struct DifficultyLevel {
    Difficulty difficulty;
    double factor;       // difficultyFactor: 1, 1.5, 2, 2.5
    float ballsPerDraw;  // 20 or 22
    std::int16_t prizeDivisor;
    const char* name;
};

const DifficultyLevel& difficultyLevel(Difficulty difficulty);

// The prize divisor for a difficulty factor; a factor outside the four levels
// keeps the divisor it had.
std::int16_t prizeDivisorFor(double factor, std::int16_t current);

// Hit-count limits. The machine applies three tables of them in three places,
// and they are kept as the machine has them, each on its own:
//
//  - lowestPayingHits: the lowest hit count that pays (2; 3 for Medium with 10
//    picks, Hard with 9 or 10 and Hardest with 9; 4 for Hardest with 10). The
//    prize window hides the rows below it, and the end of a draw loses the bet
//    below it.
//  - paidDuringDraw: whether the draw pays its win into the credit at `hits`.
//    Its table is older and differs for Medium with 10 picks (paid from 2 hits)
//    and Hard with 9 (paid from 2 hits). That is harmless: below the lowest
//    paying count every prize factor is 0, so the payment adds nothing.
//  - resultSound: the sound after the last ball. Its middle limit is the lowest
//    paying count; the big one is 4 hits, 5 on large tickets at harder levels.
int lowestPayingHits(Difficulty difficulty, int spots);
bool paidDuringDraw(Difficulty difficulty, int spots, int hits);

enum class ResultSound { Lost, SmallWin, BigWin };
ResultSound resultSound(Difficulty difficulty, int spots, int hits);

// The prize window's rows for 2 and 3 hits show only while they can pay.
bool showsTwoHitRow(Difficulty difficulty, int spots);
bool showsThreeHitRow(Difficulty difficulty, int spots);

}  // namespace ferlow
