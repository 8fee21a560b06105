#include "engine/rules/difficulty.h"

#include <array>

namespace ferlow {
namespace {

constexpr std::array<DifficultyLevel, 4> kLevels{{
    {Difficulty::Easy, 1.0, 20, 2, "Easy"},
    {Difficulty::Medium, 1.5, 22, 3, "Medium"},
    {Difficulty::Hard, 2.0, 20, 4, "Hard"},
    {Difficulty::Hardest, 2.5, 22, 5, "Hardest"},
}};

}  // namespace

const DifficultyLevel& difficultyLevel(Difficulty difficulty)
{
    return kLevels[static_cast<std::size_t>(difficulty) - 1];
}

std::int16_t prizeDivisorFor(double factor, std::int16_t current)
{
    for (const auto& level : kLevels)
        if (level.factor == factor) return level.prizeDivisor;
    return current;
}

int lowestPayingHits(Difficulty difficulty, int spots)
{
    using enum Difficulty;
    if (difficulty == Hardest && spots == 10) return 4;
    if ((difficulty == Medium && spots == 10) || (difficulty == Hard && spots >= 9) ||
        (difficulty == Hardest && spots == 9))
        return 3;
    return 2;
}

bool paidDuringDraw(Difficulty difficulty, int spots, int hits)
{
    using enum Difficulty;
    if (difficulty == Hardest && spots == 9) return hits >= 3;
    if (difficulty == Hardest && spots == 10) return hits >= 4;
    if (difficulty == Hard && spots == 10) return hits >= 3;
    return hits >= 2;
}

ResultSound resultSound(Difficulty difficulty, int spots, int hits)
{
    using enum Difficulty;
    const bool largeTicket = (difficulty == Medium && spots == 10) || (difficulty == Hard && spots >= 9) ||
                             (difficulty == Hardest && spots >= 9);
    if (hits >= (largeTicket ? 5 : 4)) return ResultSound::BigWin;
    if (hits >= lowestPayingHits(difficulty, spots)) return ResultSound::SmallWin;
    return ResultSound::Lost;
}

bool showsTwoHitRow(Difficulty difficulty, int spots) { return lowestPayingHits(difficulty, spots) <= 2; }
bool showsThreeHitRow(Difficulty difficulty, int spots) { return lowestPayingHits(difficulty, spots) <= 3; }

}  // namespace ferlow
