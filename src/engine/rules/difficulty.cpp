#include "engine/rules/difficulty.h"

#include <array>

namespace ferlow {
namespace {

constexpr std::array<DifficultyLevel, 4> kLevels{{
    {1, 1.0, 20, 2, "Easy"},
    {2, 1.5, 22, 3, "Medium"},
    {3, 2.0, 20, 4, "Hard"},
    {4, 2.5, 22, 5, "Hardest"},
}};

}  // namespace

const DifficultyLevel& difficultyLevel(int difficulty)
{
    const int index = difficulty < 1 ? 0 : difficulty > 4 ? 3 : difficulty - 1;
    return kLevels[static_cast<std::size_t>(index)];
}

DifficultyRules difficultyRules(int difficulty, int spots)
{
    DifficultyRules r{difficultyLevel(difficulty).name, true, true, 2};
    // Harder levels stop paying the lowest hit counts on large tickets.
    if ((difficulty == 2 && spots == 10) || (difficulty == 3 && spots >= 9) || (difficulty == 4 && spots == 9)) {
        r.showTwoHitRow = false;
        r.minWinHits = 3;
    } else if (difficulty == 4 && spots == 10) {
        r.showTwoHitRow = false;
        r.showThreeHitRow = false;
        r.minWinHits = 4;
    }
    return r;
}

std::int16_t prizeDivisorFor(double factor, std::int16_t current)
{
    for (const auto& level : kLevels)
        if (level.factor == factor) return level.prizeDivisor;
    return current;
}

}  // namespace ferlow
