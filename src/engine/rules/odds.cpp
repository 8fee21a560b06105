#include "engine/rules/odds.h"

#include <cmath>

#include "engine/rules/difficulty.h"
#include "engine/rules/format.h"
#include "engine/rules/keno.h"
#include "engine/rules/prize_table.h"

namespace ferlow {
namespace {

// n choose k, exact in a long double for every value the board can need
// (at most 80 choose 40, about 1.1e23, well within its 64-bit mantissa's reach
// for the products of small integers formed here).
long double choose(int n, int k)
{
    if (k < 0 || k > n) return 0;
    if (k > n - k) k = n - k;
    long double result = 1;
    for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
    return result;
}

}  // namespace

double hitChance(int spots, int hits, int balls)
{
    return static_cast<double>(choose(spots, hits) * choose(kBoardNumbers - spots, balls - hits) /
                               choose(kBoardNumbers, balls));
}

double expectedReturn(Difficulty difficulty, int spots)
{
    const DifficultyLevel& level = difficultyLevel(difficulty);
    PrizeFactors table{};
    double average = 0;
    buildPrizeTable(spots, level.prizeDivisor, level.factor, table, average);
    const int minWin = lowestPayingHits(difficulty, spots);
    double expected = 0;
    for (int h = minWin; h <= spots; ++h)
        expected +=
            hitChance(spots, h, static_cast<int>(level.ballsPerDraw)) * (table[static_cast<std::size_t>(h)] + 1);
    return expected;
}

std::string chanceText(double chance)
{
    if (chance <= 0) return "Never";
    const double oneIn = 1 / chance;
    if (oneIn >= 1000) return "Chance 1 in " + fmt::grouped(oneIn);
    return "Chance 1 in " + fmt::fixed(oneIn, 1);
}

std::string expectedReturnTable()
{
    std::string table = "| Picks | Easy | Medium | Hard | Hardest |\n|---|---|---|---|---|\n";
    for (int spots = kMinPicks; spots <= kMaxPicks; ++spots) {
        table += "| " + std::to_string(spots) + " |";
        for (Difficulty d : {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard, Difficulty::Hardest})
            table += " " + fmt::fixed(expectedReturn(d, spots), 2) + " |";
        table += "\n";
    }
    return table;
}

}  // namespace ferlow
