// Difficulty levels: what each implies for the prize rows and the lowest paying
// hit count, and the menu items that choose them.
#include <gtest/gtest.h>

#include "engine/machine/machine.h"
#include "engine/rules/difficulty.h"
#include "support/game_driver.h"

namespace ferlow {
namespace {

struct RulesRow {
    int difficulty, spots;
    const char* name;
    bool row2, row3;
    int minWinHits;
};

class ApplyDifficultyRows : public ::testing::TestWithParam<RulesRow> {};

TEST_P(ApplyDifficultyRows, SetsNameRowsAndLowestPayingCount)
{
    const RulesRow r = GetParam();
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    std::vector<int> picks;
    for (int i = 0; i < r.spots; ++i) picks.push_back(i * 7);
    test::pickNumbers(m, picks);
    m.menuClicked(kDifficultyItems[static_cast<std::size_t>(r.difficulty - 1)]);
    EXPECT_EQ(m.state.difficultyName, r.name);
    EXPECT_EQ(m.main.SSPNum.caption.text(), r.name);
    EXPECT_EQ(m.prize.row(2).visible, r.row2);
    EXPECT_EQ(m.prize.row(3).visible, r.row3);
    EXPECT_EQ(m.state.minWinHits, r.minWinHits);
}

INSTANTIATE_TEST_SUITE_P(
    EveryLevelAndTicket, ApplyDifficultyRows,
    ::testing::Values(RulesRow{1, 4, "Easy", true, true, 2}, RulesRow{1, 10, "Easy", true, true, 2},
                      RulesRow{2, 9, "Medium", true, true, 2}, RulesRow{2, 10, "Medium", false, true, 3},
                      RulesRow{3, 9, "Hard", false, true, 3}, RulesRow{3, 10, "Hard", false, true, 3},
                      RulesRow{3, 8, "Hard", true, true, 2}, RulesRow{4, 8, "Hardest", true, true, 2},
                      RulesRow{4, 9, "Hardest", false, true, 3}, RulesRow{4, 10, "Hardest", false, false, 4},
                      RulesRow{4, 0, "Hardest", true, true, 2}));

TEST(Difficulty, HardestTenThenNinePicksReopensTheThreeHitRow)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    std::vector<int> ten;
    for (int i = 0; i < 10; ++i) ten.push_back(i * 3);
    test::pickNumbers(m, ten);
    m.menuClicked(Menu::Mnuhardest);
    EXPECT_EQ(m.state.minWinHits, 4);
    EXPECT_FALSE(m.prize.row(3).visible);
    m.menuClicked(Menu::Mnucnum);  // reopens the full board
    m.numberPressed(0);            // nine picks
    m.menuClicked(Menu::Mnuhardest);
    EXPECT_EQ(m.state.minWinHits, 3);
    EXPECT_TRUE(m.prize.row(3).visible);
    EXPECT_FALSE(m.prize.row(2).visible);
}

TEST(Difficulty, MenuItemsSetTheLevelFieldsAndOneCheckMark)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    const struct {
        Menu item;
        int difficulty;
        double factor;
        float balls;
        int divisor;
        const char* name;
    } levels[] = {{Menu::Mnumedium, 2, 1.5, 22, 3, "Medium"},
                  {Menu::Mnuhard, 3, 2, 20, 4, "Hard"},
                  {Menu::Mnuhardest, 4, 2.5, 22, 5, "Hardest"},
                  {Menu::Mnueasy, 1, 1, 20, 2, "Easy"}};
    for (const auto& level : levels) {
        m.menuClicked(level.item);
        EXPECT_EQ(static_cast<int>(m.state.difficulty), level.difficulty);
        EXPECT_EQ(m.state.difficultyFactor, level.factor);
        EXPECT_EQ(m.state.ballsPerDraw, level.balls);
        EXPECT_EQ(m.state.prizeDivisor, level.divisor);  // through the percentages' prize build
        EXPECT_EQ(m.main.SSPNum.caption.text(), level.name);
        for (Menu other : kDifficultyItems) EXPECT_EQ(m.main.item(other).checked, other == level.item);
    }
}

TEST(Difficulty, DivisorFollowsTheFactorExactly)
{
    EXPECT_EQ(prizeDivisorFor(1, 9), 2);
    EXPECT_EQ(prizeDivisorFor(1.5, 9), 3);
    EXPECT_EQ(prizeDivisorFor(2, 9), 4);
    EXPECT_EQ(prizeDivisorFor(2.5, 9), 5);
    EXPECT_EQ(prizeDivisorFor(1.75, 9), 9);  // anything else keeps the divisor
}

TEST(Difficulty, SoundAndScoreStyleItemsKeepOneCheckMarkEach)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    m.menuClicked(Menu::Mnuon);
    EXPECT_EQ(m.state.soundMode, SoundMode::On);
    EXPECT_TRUE(m.main.item(Menu::Mnuon).checked);
    EXPECT_FALSE(m.main.item(Menu::Mnuoff).checked);
    m.menuClicked(Menu::Mnuoff);
    EXPECT_EQ(m.state.soundMode, SoundMode::Off);
    EXPECT_FALSE(m.main.item(Menu::Mnuon).checked);
    EXPECT_TRUE(m.main.item(Menu::Mnuoff).checked);
    m.menuClicked(Menu::MnuFast);
    EXPECT_EQ(m.state.scoreStyle, ScoreStyle::Fast);
    EXPECT_TRUE(m.main.item(Menu::MnuFast).checked);
    EXPECT_FALSE(m.main.item(Menu::MnuSlow).checked);
    m.menuClicked(Menu::MnuSlow);
    EXPECT_EQ(m.state.scoreStyle, ScoreStyle::Slow);
    EXPECT_FALSE(m.main.item(Menu::MnuFast).checked);
    EXPECT_TRUE(m.main.item(Menu::MnuSlow).checked);
}

}  // namespace
}  // namespace ferlow
