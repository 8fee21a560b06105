#include "engine/rules/prize_table.h"

#include <cmath>

#include "engine/rules/format.h"

namespace ferlow {
namespace {

// Rows by picks 4..10, columns by hits 2..10.
constexpr int kBase[7][9] = {
    {14, 30, 170, 0, 0, 0, 0, 0, 0},        // 4 picks
    {12, 16, 90, 210, 0, 0, 0, 0, 0},       // 5
    {10, 14, 70, 170, 230, 0, 0, 0, 0},     // 6
    {8, 12, 50, 110, 210, 250, 0, 0, 0},    // 7
    {6, 10, 30, 70, 170, 230, 300, 0, 0},   // 8
    {4, 8, 20, 50, 110, 170, 250, 370, 0},  // 9
    {2, 6, 10, 30, 50, 130, 210, 300, 400}  // 10
};

}  // namespace

int basePrize(int spots, int hits)
{
    if (spots < kMinPicks || spots > kMaxPicks || hits < 2 || hits > spots) return 0;
    return kBase[spots - kMinPicks][hits - 2];
}

void buildPrizeTable(int spots, int prizeDivisor, double difficultyFactor, PrizeFactors& table, double& average)
{
    if (spots < kMinPicks || spots > kMaxPicks || prizeDivisor == 0) return;
    for (int h = 2; h <= spots; ++h)
        table[static_cast<std::size_t>(h)] = std::floor(static_cast<double>(basePrize(spots, h)) / prizeDivisor);
    average = 100 * table[static_cast<std::size_t>(spots)];

    // The hardest levels reshape the low end of a few tickets; the top prize,
    // and so the average, is never touched.
    if (difficultyFactor == 2.5 && spots == 6) table[2] = 1;
    if (difficultyFactor == 2.5 && spots == 10) {
        table[3] = 0;
        table[5] = std::floor(table[5] / 2);
    }
    if (difficultyFactor == 2 && spots == 9) table[2] = 0;
}

std::string prizeRowText(int hits, int spots, double prize)
{
    return fmt::withSignPlace(hits) + " Out of" + fmt::withSignPlace(spots) + "  " + fmt::grouped(prize);
}

}  // namespace ferlow
