// The prize factors of every ticket at every difficulty, against the published
// tables, and the rule that payment follows the factors alone.
#include <gtest/gtest.h>

#include <vector>

#include "engine/rules/difficulty.h"
#include "engine/rules/prize_table.h"

namespace ferlow {
namespace {

// Rows by picks 10 down to 4: factors for hits 2..picks, then the average.
using Table = std::vector<std::vector<int>>;

const Table kEasy{{1, 3, 5, 15, 25, 65, 105, 150, 200, 20000},
                  {2, 4, 10, 25, 55, 85, 125, 185, 18500},
                  {3, 5, 15, 35, 85, 115, 150, 15000},
                  {4, 6, 25, 55, 105, 125, 12500},
                  {5, 7, 35, 85, 115, 11500},
                  {6, 8, 45, 105, 10500},
                  {7, 15, 85, 8500}};
const Table kMedium{{0, 2, 3, 10, 16, 43, 70, 100, 133, 13300},
                    {1, 2, 6, 16, 36, 56, 83, 123, 12300},
                    {2, 3, 10, 23, 56, 76, 100, 10000},
                    {2, 4, 16, 36, 70, 83, 8300},
                    {3, 4, 23, 56, 76, 7600},
                    {4, 5, 30, 70, 7000},
                    {4, 10, 56, 5600}};
const Table kHard{{0, 1, 2, 7, 12, 32, 52, 75, 100, 10000},
                  {0, 2, 5, 12, 27, 42, 62, 92, 9200},
                  {1, 2, 7, 17, 42, 57, 75, 7500},
                  {2, 3, 12, 27, 52, 62, 6200},
                  {2, 3, 17, 42, 57, 5700},
                  {3, 4, 22, 52, 5200},
                  {3, 7, 42, 4200}};
const Table kHardest{{0, 0, 2, 3, 10, 26, 42, 60, 80, 8000},
                     {0, 1, 4, 10, 22, 34, 50, 74, 7400},
                     {1, 2, 6, 14, 34, 46, 60, 6000},
                     {1, 2, 10, 22, 42, 50, 5000},
                     {1, 2, 14, 34, 46, 4600},
                     {2, 3, 18, 42, 4200},
                     {2, 6, 34, 3400}};

void expectTable(int difficulty, const Table& expected)
{
    const DifficultyLevel& level = difficultyLevel(static_cast<Difficulty>(difficulty));
    for (int spots = 10; spots >= 4; --spots) {
        const auto& row = expected[static_cast<std::size_t>(10 - spots)];
        PrizeFactors table{};
        double average = 0;
        buildPrizeTable(spots, level.prizeDivisor, level.factor, table, average);
        for (int h = 2; h <= spots; ++h)
            EXPECT_EQ(table[h], row[static_cast<std::size_t>(h - 2)])
                << level.name << ", " << spots << " spots, " << h << " hits";
        EXPECT_EQ(average, row.back()) << level.name << ", " << spots << " spots";
        EXPECT_EQ(table[1], 0);
    }
}

TEST(PrizeTable, EasyMatchesThePublishedFactors) { expectTable(1, kEasy); }
TEST(PrizeTable, MediumMatchesThePublishedFactors) { expectTable(2, kMedium); }
TEST(PrizeTable, HardMatchesThePublishedFactors) { expectTable(3, kHard); }
TEST(PrizeTable, HardestMatchesThePublishedFactors) { expectTable(4, kHardest); }

// The lowest paying count is the smallest hit count from 2 whose factor is above
// 0, and every factor from it to a full ticket pays.
TEST(PrizeTable, LowestPayingCountAgreesWithTheFactorsEverywhere)
{
    for (int d = 1; d <= 4; ++d) {
        const DifficultyLevel& level = difficultyLevel(static_cast<Difficulty>(d));
        for (int spots = 4; spots <= 10; ++spots) {
            PrizeFactors table{};
            double average = 0;
            buildPrizeTable(spots, level.prizeDivisor, level.factor, table, average);
            const int minWin = lowestPayingHits(static_cast<Difficulty>(d), spots);
            for (int h = 2; h <= spots; ++h)
                EXPECT_EQ(table[h] > 0, h >= minWin) << level.name << ", " << spots << " spots, " << h << " hits";
        }
    }
}

TEST(PrizeTable, FewerThanFourPicksWritesNothing)
{
    PrizeFactors table{};
    table[5] = 42;
    double average = 777;
    buildPrizeTable(0, 2, 1, table, average);
    buildPrizeTable(3, 2, 1, table, average);
    EXPECT_EQ(table[5], 42);
    EXPECT_EQ(average, 777);
}

TEST(PrizeTable, ASmallerTicketLeavesHigherEntriesInPlace)
{
    PrizeFactors table{};
    double average = 0;
    buildPrizeTable(10, 2, 1, table, average);
    buildPrizeTable(4, 2, 1, table, average);
    EXPECT_EQ(table[4], 85);
    EXPECT_EQ(table[10], 200);  // left from the ten-spot build, never read
    EXPECT_EQ(average, 8500);
}

}  // namespace
}  // namespace ferlow
