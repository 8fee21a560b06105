// The game's rules on their own: the published prize tables, the hit counts that
// pay and sound, number captions and the odds.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "engine/rules/difficulty.h"
#include "engine/rules/format.h"
#include "engine/rules/odds.h"
#include "engine/rules/prize_table.h"

namespace ferlow {
namespace {

// The published prize factors, rows for 10 picks down to 4: factors for 2 hits
// up to a full ticket, then the Average.
using Table = std::vector<std::vector<int>>;
const Table kPublished[4] = {
    {{1, 3, 5, 15, 25, 65, 105, 150, 200, 20000},
     {2, 4, 10, 25, 55, 85, 125, 185, 18500},
     {3, 5, 15, 35, 85, 115, 150, 15000},
     {4, 6, 25, 55, 105, 125, 12500},
     {5, 7, 35, 85, 115, 11500},
     {6, 8, 45, 105, 10500},
     {7, 15, 85, 8500}},
    {{0, 2, 3, 10, 16, 43, 70, 100, 133, 13300},
     {1, 2, 6, 16, 36, 56, 83, 123, 12300},
     {2, 3, 10, 23, 56, 76, 100, 10000},
     {2, 4, 16, 36, 70, 83, 8300},
     {3, 4, 23, 56, 76, 7600},
     {4, 5, 30, 70, 7000},
     {4, 10, 56, 5600}},
    {{0, 1, 2, 7, 12, 32, 52, 75, 100, 10000},
     {0, 2, 5, 12, 27, 42, 62, 92, 9200},
     {1, 2, 7, 17, 42, 57, 75, 7500},
     {2, 3, 12, 27, 52, 62, 6200},
     {2, 3, 17, 42, 57, 5700},
     {3, 4, 22, 52, 5200},
     {3, 7, 42, 4200}},
    {{0, 0, 2, 3, 10, 26, 42, 60, 80, 8000},
     {0, 1, 4, 10, 22, 34, 50, 74, 7400},
     {1, 2, 6, 14, 34, 46, 60, 6000},
     {1, 2, 10, 22, 42, 50, 5000},
     {1, 2, 14, 34, 46, 4600},
     {2, 3, 18, 42, 4200},
     {2, 6, 34, 3400}},
};

TEST(Rules, PrizeFactorsAndAveragesOfEveryTicketAtEveryLevel)
{
    for (int d = 1; d <= 4; ++d) {
        const DifficultyLevel& level = difficultyLevel(static_cast<Difficulty>(d));
        for (int spots = 10; spots >= 4; --spots) {
            const auto& row = kPublished[d - 1][static_cast<std::size_t>(10 - spots)];
            PrizeFactors table{};
            double average = 0;
            buildPrizeTable(spots, level.prizeDivisor, level.factor, table, average);
            SCOPED_TRACE(std::string(level.name) + ", " + std::to_string(spots) + " spots");
            for (int h = 2; h <= spots; ++h) EXPECT_EQ(table[h], row[static_cast<std::size_t>(h - 2)]) << h << " hits";
            EXPECT_EQ(table[1], 0);
            EXPECT_EQ(average, row.back());
        }
    }
    // Fewer than four picks leave the table as it was.
    PrizeFactors table{};
    table[5] = 42;
    double average = 777;
    buildPrizeTable(3, 2, 1, table, average);
    EXPECT_EQ(table[5], 42);
    EXPECT_EQ(average, 777);
}

// Three tables of hit counts: the lowest that pays (and loses the bet below it),
// the payment during the draw, and the sound after the last ball.
TEST(Rules, HitCountsThatPayAndSound)
{
    using enum Difficulty;
    const struct {
        Difficulty level;
        int spots;
        int lowestPaying, paidFrom, bigFrom;
    } rows[] = {
        {Easy, 4, 2, 2, 4},    {Easy, 10, 2, 2, 4},    {Medium, 9, 2, 2, 4}, {Medium, 10, 3, 2, 5},
        {Hard, 8, 2, 2, 4},    {Hard, 9, 3, 2, 5},     {Hard, 10, 3, 3, 5},  {Hardest, 8, 2, 2, 4},
        {Hardest, 9, 3, 3, 5}, {Hardest, 10, 4, 4, 5}, {Medium, 4, 2, 2, 4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(static_cast<int>(r.level)) + "/" + std::to_string(r.spots));
        EXPECT_EQ(lowestPayingHits(r.level, r.spots), r.lowestPaying);
        EXPECT_EQ(showsTwoHitRow(r.level, r.spots), r.lowestPaying <= 2);
        EXPECT_EQ(showsThreeHitRow(r.level, r.spots), r.lowestPaying <= 3);
        for (int hits = 0; hits <= r.spots; ++hits) {
            EXPECT_EQ(paidDuringDraw(r.level, r.spots, hits), hits >= r.paidFrom) << hits;
            const ResultSound expected = hits >= r.bigFrom        ? ResultSound::BigWin
                                         : hits >= r.lowestPaying ? ResultSound::SmallWin
                                                                  : ResultSound::Lost;
            EXPECT_EQ(resultSound(r.level, r.spots, hits), expected) << hits;
        }
    }
    // Everywhere, a count pays exactly when its factor is above 0.
    for (int d = 1; d <= 4; ++d)
        for (int spots = 4; spots <= 10; ++spots) {
            const DifficultyLevel& level = difficultyLevel(static_cast<Difficulty>(d));
            PrizeFactors table{};
            double average = 0;
            buildPrizeTable(spots, level.prizeDivisor, level.factor, table, average);
            for (int h = 2; h <= spots; ++h)
                EXPECT_EQ(table[h] > 0, h >= lowestPayingHits(level.difficulty, spots))
                    << d << "/" << spots << "/" << h;
        }
}

TEST(Rules, NumberCaptions)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    const std::pair<std::string, std::string> shown[] = {
        {fmt::grouped(1234567), "1,234,567"},
        {fmt::grouped(999.6), "1,000"},
        {fmt::grouped(2.5), "3"},
        {fmt::grouped(-1234), "-1,234"},
        {fmt::grouped(0), "0"},
        {fmt::grouped(std::int64_t{0}), "0"},
        {fmt::groupedOrEmpty(0.4), ""},
        {fmt::groupedOrEmpty(750), "750"},
        {fmt::groupedOrEmpty(std::int64_t{9007199254740993}), "9,007,199,254,740,993"},
        {fmt::grouped(kMax), "9,223,372,036,854,775,807"},
        {fmt::grouped(1e19), "10,000,000,000,000,000,000"},
        {fmt::zeroPadded5(2000), "02,000"},
        {fmt::zeroPadded5(123456), "123,456"},
        {fmt::zeroPadded5(std::int64_t{7}), "00,007"},
        {fmt::zeroPadded2(7), "07"},
        {fmt::zeroPadded2(80), "80"},
        {fmt::percentPadded(434.78 / 100), "434.8%"},
        {fmt::percentPadded(4.35 / 100), "04.3%"},
        {fmt::percentPlain(0), ".0%"},
        {fmt::percentPlain(1.2346), "123.5%"},
        {fmt::withSignPlace(3), " 3"},
        {fmt::withSignPlace(-3), "-3"},
        {fmt::withSignPlace(2.5), " 2.5"},
        {fmt::plain(0.1 + 0.2), "0.3"},
        {fmt::plain(250000), "250000"},
        {fmt::fixed(2.0949, 2), "2.09"},
        // A score's share of the Average, to the nearest tenth of the exact
        // quotient, worked out with fractions.
        {fmt::percentPadded(5000, 23000), "21.7%"},
        {fmt::percentPadded(5000, 9775), "51.2%"},
        {fmt::percentPadded(1, 16), "06.2%"},  // exactly 6.25: to the even tenth
        {fmt::percentPadded(3, 16), "18.8%"},
        {fmt::percentPadded(1, 1.5), "66.7%"},
        {fmt::percentPadded(9007199254740993, 23000), "39161735890178.2%"},
        {fmt::percentPadded(kMax, 23000), "40101617551542503.5%"},
        {fmt::percentPadded(kMax, 0x1p70), "00.8%"},
        {fmt::percentPadded(-50, 23000), "-00.2%"},
    };
    for (const auto& [text, expected] : shown) EXPECT_EQ(text, expected);
}

TEST(Rules, OddsOfTheDraw)
{
    // 4 of 4 among 20 balls: C(20,4) / C(80,4) = 4845 / 1581580.
    EXPECT_NEAR(hitChance(4, 4, 20), 4845.0 / 1581580.0, 1e-15);
    EXPECT_NEAR(hitChance(4, 0, 20), (60.0 * 59 * 58 * 57) / (80.0 * 79 * 78 * 77), 1e-15);
    EXPECT_EQ(chanceText(hitChance(4, 4, 20)), "Chance 1 in 326.4");
    EXPECT_EQ(chanceText(hitChance(10, 10, 20)), "Chance 1 in 8,911,711");
    EXPECT_EQ(chanceText(hitChance(6, 6, 20)), "Chance 1 in 7,753");
    EXPECT_EQ(hitChance(4, 5, 20), 0);
    for (int balls : {20, 22})
        for (int spots = 4; spots <= 10; ++spots) {
            double sum = 0;
            for (int h = 0; h <= spots; ++h) sum += hitChance(spots, h, balls);
            EXPECT_NEAR(sum, 1.0, 1e-12) << spots << " spots, " << balls << " balls";
        }
    // Easy, 4 spots: factors 7, 15, 85 for 2, 3, 4 hits; the bet comes back too.
    EXPECT_NEAR(expectedReturn(Difficulty::Easy, 4),
                hitChance(4, 2, 20) * 8 + hitChance(4, 3, 20) * 16 + hitChance(4, 4, 20) * 86, 1e-12);
    // Medium draws 22 balls: 4, 10, 56 (+1) on the same ticket.
    EXPECT_NEAR(expectedReturn(Difficulty::Medium, 4),
                hitChance(4, 2, 22) * 5 + hitChance(4, 3, 22) * 11 + hitChance(4, 4, 22) * 57, 1e-12);

    std::ifstream readme(FERLOW_SOURCE_DIR "/README.md");
    std::stringstream text;
    text << readme.rdbuf();
    EXPECT_NE(text.str().find(expectedReturnTable()), std::string::npos) << "README.md should hold:\n"
                                                                         << expectedReturnTable();
}

}  // namespace
}  // namespace ferlow
