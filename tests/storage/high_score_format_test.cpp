// Tests for the byte format of ferlow.ini: writing, reading, trimming and rejecting damage.
#include "storage/high_score_format.h"
#include "support/tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

namespace ferlow::storage {
namespace {

constexpr auto kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr auto kInt64Min = std::numeric_limits<std::int64_t>::min();

std::size_t count(std::string_view text, std::string_view what)
{
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

TEST(HighScoreFormat, DefaultTableIsByteExact)
{
    EXPECT_EQ(formatHighScores(test::standardTable()),
              " 5000 Ferlow\r\n 2000 Ferlow\r\n 1000 Ferlow\r\n 750 Ferlow\r\n 400 Ferlow\r\n");
}

TEST(HighScoreFormat, ScoresBeyondSixteenBitsAreWrittenInFullAndReadBack)
{
    const HighScoreTable table{{{kInt64Max, "Max"}, {250000, "Big"}, {32768, "Past"}, {20000, "Mid"}, {0, "Zero"}}};
    const std::string bytes = formatHighScores(table);
    EXPECT_EQ(bytes, " 9223372036854775807 Max\r\n 250000 Big\r\n 32768 Past\r\n 20000 Mid\r\n 0 Zero\r\n");
    EXPECT_EQ(parseHighScores(bytes), table);
}

TEST(HighScoreFormat, NegativeScoresUseTheMinusSignInsteadOfTheBlank)
{
    const HighScoreTable table{{{0, "A"}, {-1, "B"}, {-32768, "C"}, {-250000, "D"}, {kInt64Min, "E"}}};
    const std::string bytes = formatHighScores(table);
    EXPECT_EQ(bytes, " 0 A\r\n-1 B\r\n-32768 C\r\n-250000 D\r\n-9223372036854775808 E\r\n");
    EXPECT_EQ(parseHighScores(bytes), table);
}

TEST(HighScoreFormat, FileFromTheSixteenBitEraReadsAndWritesBackUnchanged)
{
    const std::string oldFile = " 32767 Max\r\n 12000 Anna\r\n 0 Nobody\r\n-5 Unlucky\r\n-32768 Broke\r\n";
    const auto table = parseHighScores(oldFile);
    ASSERT_TRUE(table);
    const HighScoreTable expected{{{32767, "Max"}, {12000, "Anna"}, {0, "Nobody"}, {-5, "Unlucky"}, {-32768, "Broke"}}};
    EXPECT_EQ(*table, expected);
    EXPECT_EQ(formatHighScores(*table), oldFile);
}

TEST(HighScoreFormat, NamesAreTrimmedOnWriteAndOnRead)
{
    HighScoreTable table = test::standardTable();
    table[0].name = "   Anna   ";
    table[1].name = "\t Bo \t";
    table[2].name = "    ";
    const std::string bytes = formatHighScores(table);
    EXPECT_TRUE(bytes.starts_with(" 5000 Anna\r\n 2000 Bo\r\n 1000 \r\n")) << bytes;

    const auto read = parseHighScores("   5000    Anna    \r\n 2000\tBo\t\r\n 1000 \r\n 750\r\n 400 Ferlow\r\n");
    ASSERT_TRUE(read);
    EXPECT_EQ((*read)[0], (HighScore{5000, "Anna"}));
    EXPECT_EQ((*read)[1], (HighScore{2000, "Bo"}));
    EXPECT_EQ((*read)[2], (HighScore{1000, ""}));
    EXPECT_EQ((*read)[3], (HighScore{750, ""}));
}

TEST(HighScoreFormat, NamesCannotBreakTheLineFormat)
{
    HighScoreTable table = test::standardTable();
    table[0].name = "An,na";
    table[1].name = "\"Bo\"";
    table[2].name = "Cl\r\n 99 Fake\r\naus";
    table[3].name = std::string("D\0a\x01\x7Fve", 7);
    table[4].name = ", Eve ,";
    const std::string bytes = formatHighScores(table);

    EXPECT_EQ(count(bytes, "\r\n"), 5u) << bytes;
    EXPECT_EQ(count(bytes, "\n"), 5u) << bytes;
    EXPECT_EQ(bytes.find_first_of(std::string(",\"\0\x01\x7F", 5)), std::string::npos) << bytes;

    const auto read = parseHighScores(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ((*read)[0].name, "Anna");
    EXPECT_EQ((*read)[1].name, "Bo");
    EXPECT_EQ((*read)[2].name, "Cl 99 Fakeaus");
    EXPECT_EQ((*read)[3].name, "Dave");
    EXPECT_EQ((*read)[4].name, "Eve");
    EXPECT_EQ(formatHighScores(*read), bytes);
}

TEST(HighScoreFormat, EightBitNamesAreKept)
{
    HighScoreTable table = test::standardTable();
    table[0].name = "Zo\xC3\xAB";  // UTF-8
    table[1].name = "J\xF6rg";     // Latin-1
    const auto read = parseHighScores(formatHighScores(table));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, table);
}

TEST(HighScoreParse, AcceptsTheLooseFormsOfTheLineFormat)
{
    const HighScoreTable expected{{{5000, "Ann"}, {2000, "Bo"}, {1000, "Cy"}, {750, "Di"}, {400, "Ed"}}};
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"LF line ends", " 5000 Ann\n 2000 Bo\n 1000 Cy\n 750 Di\n 400 Ed\n"},
        {"mixed line ends", " 5000 Ann\r\n 2000 Bo\n 1000 Cy\r\n 750 Di\n 400 Ed\r\n"},
        {"no line end after the fifth line", " 5000 Ann\r\n 2000 Bo\r\n 1000 Cy\r\n 750 Di\r\n 400 Ed"},
        {"lines after the fifth",
         " 5000 Ann\r\n 2000 Bo\r\n 1000 Cy\r\n 750 Di\r\n 400 Ed\r\nextra\r\n" + std::string("\0\xFF garbage", 10)},
        {"comma separators", "5000,Ann\r\n2000 , Bo\r\n1000, Cy,more\r\n750 Di,\r\n400 Ed, 12\r\n"},
        {"plus signs and leading zeros", "+5000 Ann\r\n 02000 Bo\r\n 0001000 Cy\r\n 750 Di\r\n 400 Ed\r\n"},
        {"byte order mark", "\xEF\xBB\xBF 5000 Ann\r\n 2000 Bo\r\n 1000 Cy\r\n 750 Di\r\n 400 Ed\r\n"},
        {"quotes around names", " 5000 \"Ann\"\r\n 2000 Bo\r\n 1000 Cy\r\n 750 Di\r\n 400 Ed\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(parseHighScores(c.bytes), expected);
    }
}

TEST(HighScoreParse, RejectsDamagedFiles)
{
    const std::string goodTail = " 2000 Bo\r\n 1000 Cy\r\n 750 Di\r\n 400 Ed\r\n";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty file", ""},
        {"four lines", " 5000 Ann\r\n" + goodTail.substr(0, goodTail.rfind(" 400"))},
        {"a blank line among the five", " 5000 Ann\r\n\r\n 2000 Bo\r\n 1000 Cy\r\n 750 Di\r\n"},
        {"letters for a score", " lots Ann\r\n" + goodTail},
        {"a decimal fraction", " 12.5 Ann\r\n" + goodTail},
        {"digits running into letters", " 5000Ann\r\n" + goodTail},
        {"a sign without digits", " - Ann\r\n" + goodTail},
        {"two signs", " +-5 Ann\r\n" + goodTail},
        {"just above int64", " 9223372036854775808 Ann\r\n" + goodTail},
        {"just below int64", "-9223372036854775809 Ann\r\n" + goodTail},
        {"a NUL byte in a name", std::string(" 5000 An\0n\r\n", 12) + goodTail},
        {"a stray CR in a line", " 5000 An\rn\r\n" + goodTail},
        {"binary garbage", std::string("\x7F"
                                       "ELF\x02\x01\x01\0\0\0",
                                       10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(parseHighScores(c.bytes), std::nullopt);
    }
}

TEST(HighScoreParse, OutOfOrderFileComesBackHighestFirstKeepingTies)
{
    const auto read = parseHighScores(" 400 Ed\r\n 5000 Ann\r\n 750 Di\r\n 750 Dj\r\n 2000 Bo\r\n");
    ASSERT_TRUE(read);
    EXPECT_TRUE(std::is_sorted(read->begin(), read->end(),
                               [](const HighScore& a, const HighScore& b) { return a.score > b.score; }));
    EXPECT_EQ((*read)[0].name, "Ann");
    EXPECT_EQ((*read)[2].name, "Di");
    EXPECT_EQ((*read)[3].name, "Dj");
    EXPECT_EQ((*read)[4].name, "Ed");
}

}  // namespace
}  // namespace ferlow::storage
