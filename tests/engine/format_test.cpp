// Number texts of the captions, on the examples the game's captions use.
#include <gtest/gtest.h>

#include "engine/format.h"

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
