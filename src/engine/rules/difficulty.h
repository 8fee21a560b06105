// The four difficulty levels and what each implies for a given number of picks.
#pragma once

#include <cstdint>
#include <string>

namespace ferlow {

struct DifficultyLevel {
    int difficulty;
    double factor;
    float ballsPerDraw;
    std::int16_t prizeDivisor;
    const char* name;
};

// Levels 1..4: Easy, Medium, Hard, Hardest.
const DifficultyLevel& difficultyLevel(int difficulty);

// What the difficulty panel and the prize window show for `spots` picks.
struct DifficultyRules {
    std::string name;
    bool showTwoHitRow;
    bool showThreeHitRow;
    std::int16_t minWinHits;  // lowest hit count that pays
};
DifficultyRules difficultyRules(int difficulty, int spots);

// The prize divisor for a difficulty factor; a factor outside the four levels
// keeps the divisor it had.
std::int16_t prizeDivisorFor(double factor, std::int16_t current);

}  // namespace ferlow
