// The bytes of ferlow.ini, and where the file lives.
#include "storage/high_score_format.h"
#include "storage/high_score_path.h"
#include "support/tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

namespace ferlow::storage {
namespace {

using namespace std::literals;

TEST(HighScoreFormat, WritesFiveLinesThatReadBackByteForByte)
{
    const std::pair<HighScoreTable, std::string> cases[] = {
        {test::standardTable(), " 5000 Ferlow\r\n 2000 Ferlow\r\n 1000 Ferlow\r\n 750 Ferlow\r\n 400 Ferlow\r\n"},
        {{{{INT64_MAX, "Max"}, {32768, "Past"}, {0, "Zero"}, {-1, "Minus"}, {INT64_MIN, "Min"}}},
         " 9223372036854775807 Max\r\n 32768 Past\r\n 0 Zero\r\n-1 Minus\r\n-9223372036854775808 Min\r\n"},
        // Names trimmed, empty, and rid of what would break the line; 8-bit names kept.
        {{{{5, "  A\xF6  "}, {4, "\tBo "}, {3, "   "}, {2, "C,y\r\n 9 \"Fake\""}, {1, "D\0i\x7F"s}}},
         " 5 A\xF6\r\n 4 Bo\r\n 3 \r\n 2 Cy 9 Fake\r\n 1 Di\r\n"},
    };
    for (const auto& [table, bytes] : cases) {
        EXPECT_EQ(formatHighScores(table), bytes);
        EXPECT_EQ(formatHighScores(parseHighScores(bytes).value_or(HighScoreTable{})), bytes);
    }
}

TEST(HighScoreFormat, ReadsLooseLinesHighestFirstAndNothingElse)
{
    const HighScoreTable expected{{{5000, "Ann"}, {2000, "Bo"}, {750, "Cy"}, {750, "Di"}, {400, "Ed"}}};
    const std::string files[] = {" 5000 Ann\n 2000 Bo\n 750 Cy\n 750 Di\n 400 Ed\n",
                                 " 5000 Ann\r\n 2000 Bo\n 750 Cy\r\n 750 Di\r\n 400 Ed",
                                 " 5000 Ann\r\n 2000 Bo\r\n 750 Cy\r\n 750 Di\r\n 400 Ed\r\nnotes\r\n\0\xFF"s,
                                 "5000, Ann\r\n2000 , Bo\r\n  750,Cy,more\r\n 750 \t Di  \r\n400 Ed,\r\n",
                                 "+5000 \"Ann\"\r\n 02000 Bo\r\n 750 Cy\r\n 750 Di\r\n 400 Ed\r\n",
                                 "\xEF\xBB\xBF 5000 Ann\r\n 2000 Bo\r\n 750 Cy\r\n 750 Di\r\n 400 Ed\r\n",
                                 " 400 Ed\r\n 750 Cy\r\n 5000 Ann\r\n 750 Di\r\n 2000 Bo\r\n"};
    for (const std::string& bytes : files) EXPECT_EQ(parseHighScores(bytes), expected) << bytes;
    // Nothing past the bytes given is read.
    EXPECT_EQ(parseHighScores(std::string_view("1\n1\n1\n1\n12", 9)),
              (HighScoreTable{{{1, ""}, {1, ""}, {1, ""}, {1, ""}, {1, ""}}}));
    // Short files, and files with a line that is not a score and a name.
    for (const std::string& first : std::vector<std::string>{
             "", "\r\n", " lots A\r\n", " 12.5 A\r\n", " 5000A\r\n", " - A\r\n", " +-5 A\r\n",
             " 9223372036854775808 A\r\n", "-9223372036854775809 A\r\n", " 5000 A\rB\r\n", " 5000 \0A\r\n"s})
        EXPECT_EQ(parseHighScores(first + " 2000 B\r\n 1000 C\r\n 750 D\r\n 400 E\r\n"), std::nullopt) << first;
}

TEST(HighScorePath, FollowsEachPlatformsRules)
{
    const std::string onD = "D:\\program files\\ferlow\\ferlow.ini";
    EXPECT_EQ(highScoreFilePath(Platform::Windows, {"/x", "/y", "D:\\Games\\Keno"}).string(), onD);
    EXPECT_EQ(highScoreFilePath(Platform::Windows, {{}, {}, "D:"}).string(), onD);
    EXPECT_EQ(highScoreFilePath(Platform::Windows, {{}, {}, "C:\\"}).string(), "C:\\program files\\ferlow\\ferlow.ini");

    const std::string xdg = "/data/ferlow/ferlow.ini", home = "/home/a/.local/share/ferlow/ferlow.ini";
    const std::tuple<Environment, std::string, std::string> cases[] = {
        {{"/data", "/home/a", {}}, xdg, ""},
        {{"/data/", "", {}}, xdg, ""},
        {{"", "/home/a", {}}, home, ""},
        {{"data", "/home/a", {}}, home, ""},
        {{"~/data", "/home/a/", {}}, home, ""},
        {{"", "", {}}, "", "neither XDG_DATA_HOME nor HOME is set"},
        {{"", "home", {}}, "", "HOME is not an absolute path: \"home\""},
        {{"data", "", {}}, "", "XDG_DATA_HOME is not an absolute path: \"data\", and HOME is not set"},
    };
    for (const auto& [environment, path, why] : cases) {
        EXPECT_EQ(highScoreFilePath(Platform::Linux, environment), path) << environment.xdgDataHome;
        EXPECT_EQ(whyNoHighScorePath(environment), why);
    }
}

}  // namespace
}  // namespace ferlow::storage
