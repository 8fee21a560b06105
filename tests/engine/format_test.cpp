// Number texts of the captions, on the examples the game's captions use.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "engine/rules/format.h"

namespace ferlow {
namespace {

TEST(Format, GroupedShowsNearestWholeNumberWithThousands)
{
    EXPECT_EQ(fmt::grouped(0), "0");
    EXPECT_EQ(fmt::grouped(1234), "1,234");
    EXPECT_EQ(fmt::grouped(12345), "12,345");
    EXPECT_EQ(fmt::grouped(1234567), "1,234,567");
    EXPECT_EQ(fmt::grouped(999.6), "1,000");
    EXPECT_EQ(fmt::grouped(2.5), "3");
    EXPECT_EQ(fmt::grouped(0.4), "0");
    EXPECT_EQ(fmt::grouped(-1234), "-1,234");
}

TEST(Format, GroupedOrEmptyHidesZero)
{
    EXPECT_EQ(fmt::groupedOrEmpty(0), "");
    EXPECT_EQ(fmt::groupedOrEmpty(0.4), "");
    EXPECT_EQ(fmt::groupedOrEmpty(750), "750");
    EXPECT_EQ(fmt::groupedOrEmpty(5000), "5,000");
    EXPECT_EQ(fmt::groupedOrEmpty(20000), "20,000");
}

TEST(Format, ZeroPaddedKeepsMinimumDigits)
{
    EXPECT_EQ(fmt::zeroPadded5(2000), "02,000");
    EXPECT_EQ(fmt::zeroPadded5(0), "00,000");
    EXPECT_EQ(fmt::zeroPadded5(12345), "12,345");
    EXPECT_EQ(fmt::zeroPadded5(123456), "123,456");
    EXPECT_EQ(fmt::zeroPadded2(7), "07");
    EXPECT_EQ(fmt::zeroPadded2(0), "00");
    EXPECT_EQ(fmt::zeroPadded2(80), "80");
}

TEST(Format, PercentagesRoundToOneDecimal)
{
    EXPECT_EQ(fmt::percentPadded(434.78 / 100), "434.8%");
    EXPECT_EQ(fmt::percentPadded(4.35 / 100), "04.3%");
    EXPECT_EQ(fmt::percentPadded(0), "00.0%");
    EXPECT_EQ(fmt::percentPadded(5000.0 / 23000), "21.7%");
    EXPECT_EQ(fmt::percentPlain(0), ".0%");
    EXPECT_EQ(fmt::percentPlain(0.5), "50.0%");
    EXPECT_EQ(fmt::percentPlain(1.2346), "123.5%");
}

// Scores are whole numbers of any size the file can hold; their captions keep every
// digit, where a double would change those beyond 2^53.
TEST(Format, WholeScoresShowEveryDigit)
{
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    const struct {
        std::int64_t score;
        const char* grouped;
        const char* padded5;
    } cases[] = {
        {0, "", "00,000"},
        {7, "7", "00,007"},
        {20000, "20,000", "20,000"},
        {9007199254740993, "9,007,199,254,740,993", "9,007,199,254,740,993"},
        {kMax, "9,223,372,036,854,775,807", "9,223,372,036,854,775,807"},
        {-32768, "-32,768", "-32,768"},
        {kMin, "-9,223,372,036,854,775,808", "-9,223,372,036,854,775,808"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score);
        EXPECT_EQ(fmt::groupedOrEmpty(c.score), c.grouped);
        EXPECT_EQ(fmt::grouped(c.score), c.score == 0 ? "0" : c.grouped);
        EXPECT_EQ(fmt::zeroPadded5(c.score), c.padded5);
    }
}

// A score's share of the Average, to the nearest tenth of the exact quotient
// (worked out with fractions, not doubles).
TEST(Format, ScorePercentagesAreExact)
{
    const struct {
        std::int64_t score;
        double average;
        const char* text;
    } cases[] = {
        {5000, 23000, "21.7%"},
        {0, 23000, "00.0%"},
        {400, 23000, "01.7%"},
        {5000, 9775, "51.2%"},
        {1, 16, "06.2%"},  // exactly 6.25: a half to the even tenth
        {3, 16, "18.8%"},  // exactly 18.75
        {1, 0x1.0000000000001p0, "100.0%"},
        {9007199254740993, 23000, "39161735890178.2%"},
        {std::numeric_limits<std::int64_t>::max(), 23000, "40101617551542503.5%"},
        {std::numeric_limits<std::int64_t>::min(), 23000, "-40101617551542503.5%"},
        {std::numeric_limits<std::int64_t>::max(), 0x1p80, "00.0%"},
        {std::numeric_limits<std::int64_t>::max(), 0x1p70, "00.8%"},
        {-5, 23000, "00.0%"},
        {-50, 23000, "-00.2%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score);
        EXPECT_EQ(fmt::percentPadded(c.score, c.average), c.text);
    }
}

TEST(Format, NumbersJoinedIntoCaptionsCarryASignPlace)
{
    EXPECT_EQ(fmt::withSignPlace(3), " 3");
    EXPECT_EQ(fmt::withSignPlace(0), " 0");
    EXPECT_EQ(fmt::withSignPlace(30), " 30");
    EXPECT_EQ(fmt::withSignPlace(-3), "-3");
    EXPECT_EQ(fmt::withSignPlace(2.5), " 2.5");
    EXPECT_EQ(fmt::plain(30), "30");
    EXPECT_EQ(fmt::plain(2.5), "2.5");
    EXPECT_EQ(fmt::plain(0.1 + 0.2), "0.3");
    EXPECT_EQ(fmt::plain(250000), "250000");
}

}  // namespace
}  // namespace ferlow
