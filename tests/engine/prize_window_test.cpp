// The prize rows and "Won" captions written during play, and the prize and
// statistics windows' showing, hiding and closing.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/rules/difficulty.h"
#include "engine/rules/prize_table.h"
#include "support/game_driver.h"

namespace ferlow {
namespace {

class PrizeRowsTest : public ::testing::Test {
protected:
    void SetUp() override { test::startGame(m); }
    // A whole turn at a level with `spots` picks, `hits` of them drawn.
    void showFor(int difficulty, int spots, const char* bet, int hits)
    {
        m.menuClicked(kDifficultyItems[static_cast<std::size_t>(difficulty - 1)]);
        test::playTurn(m, spots, hits, bet);
    }

    test::FakeHost host;
    Machine m{host};
};

TEST_F(PrizeRowsTest, RowsShowPrizesForTheBetAndHighlightTheHitCount)
{
    showFor(1, 10, "10", 5);
    EXPECT_EQ(m.prize.row(5).caption.text(), " 5 Out of 10  150");
    EXPECT_EQ(m.prize.row(10).caption.text(), " 10 Out of 10  2,000");
    EXPECT_EQ(m.prize.row(5).fore, palette::brightRed);
    EXPECT_EQ(m.prize.row(4).fore, palette::black);
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won 150");
    EXPECT_EQ(m.main.LblwonS.caption.text(), "Won 150");
}

TEST_F(PrizeRowsTest, RowsAboveTheTicketAreEmptied)
{
    showFor(1, 4, "10", 3);
    for (int h = 5; h <= 10; ++h) EXPECT_EQ(m.prize.row(h).caption.text(), "") << h;
    EXPECT_EQ(m.prize.row(4).caption.text(), " 4 Out of 4  850");
    EXPECT_EQ(m.prize.row(2).caption.text(), " 2 Out of 4  70");
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won 150");  // the example: Easy, 4 spots, bet 10, 3 hits
}

TEST_F(PrizeRowsTest, AHitCountBelowTheLowestPayingOneLeavesWonAlone)
{
    showFor(4, 10, "10", 3);
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won 0");
    EXPECT_EQ(m.state.credit, 20);
    EXPECT_FALSE(m.prize.row(3).visible);
    for (int h = 4; h <= 10; ++h) EXPECT_NE(m.prize.row(h).fore, palette::brightRed) << h;
}

TEST_F(PrizeRowsTest, AFractionalBetKeepsItsFractionButCaptionsRound)
{
    showFor(1, 4, "2.5", 3);
    EXPECT_DOUBLE_EQ(m.state.credit, 30 + 37.5);
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won 38");
    EXPECT_EQ(m.prize.row(2).caption.text(), " 2 Out of 4  18");  // 17.5 to the nearest
}

TEST_F(PrizeRowsTest, TwoHitsOnTenSpotsAtMediumPayNothingButTheRowIsWritten)
{
    // Written during the draw, with the row hidden; the lost bet settles the turn.
    std::vector<std::string> rowTwo;
    host.onEvents = [&] { rowTwo.push_back(m.prize.row(2).caption.text()); };
    showFor(2, 10, "10", 2);
    EXPECT_NE(std::find(rowTwo.begin(), rowTwo.end(), " 2 Out of 10  0"), rowTwo.end());
    EXPECT_FALSE(m.prize.row(2).visible);
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won 0");
}

TEST(PrizeWindow, PrizesMenuTogglesTheWindowBesideTheMainWindow)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    m.menuClicked(Menu::Mnupri);
    EXPECT_TRUE(m.prize.window.visible);
    EXPECT_TRUE(m.main.item(Menu::Mnupri).checked);
    EXPECT_EQ(m.prize.window.top, m.main.window.top + 200);
    EXPECT_EQ(m.prize.window.left, m.main.window.left + m.main.window.width + 20);
    m.menuClicked(Menu::Mnupri);
    EXPECT_FALSE(m.prize.window.visible);
    EXPECT_FALSE(m.main.item(Menu::Mnupri).checked);
}

TEST(PrizeWindow, CloseUnloadsAndTheNextShowingStartsFromTheInitialTable)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    m.menuClicked(Menu::Mnupri);
    m.prize.row(7).caption.set(" 7 Out of 7  1,250");
    m.prize.row(2).visible = false;
    const auto soundsBefore = host.sounds.size();
    m.prizeCloseKey(kEnterKey);  // Enter closes without a tick
    EXPECT_EQ(host.sounds.size(), soundsBefore);
    EXPECT_FALSE(m.prize.window.loaded);
    EXPECT_FALSE(m.main.item(Menu::Mnupri).checked);
    m.menuClicked(Menu::Mnupri);
    EXPECT_TRUE(m.prize.window.visible);
    EXPECT_EQ(m.prize.row(7).caption.text(), " 7 Out of 10  650");
    EXPECT_TRUE(m.prize.row(2).visible);
    m.prizeCloseClicked();  // a click ticks
    EXPECT_TRUE(host.sounds.back().path.ends_with("tick.wav"));
    m.prizeBackgroundClicked();
    EXPECT_EQ(host.beeps, 1);
}

TEST(PrizeWindow, ClosingItUnlocksTheMainWindow)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    m.menuClicked(Menu::Mnupri);
    m.main.window.enabled = false;
    m.prizeFrameClosed();
    EXPECT_TRUE(m.main.window.enabled);
}

TEST(StatsWindow, RatingBandsAtTheirBoundaries)
{
    const struct {
        int count;
        const char* band;
    } rows[] = {{1, "Poor"},    {2, "Below Average"}, {3, "Below Average"}, {4, "Average"},
                {6, "Average"}, {7, "Good"},          {9, "Good"},          {10, "Great"},
                {12, "Great"},  {13, "Excellent"},    {40, "Excellent"}};
    for (const auto& row : rows) EXPECT_STREQ(ratingBandForCount(row.count).name, row.band) << row.count;
}

// After a draw every drawn number's panel is orange ("Poor": drawn once), with
// its count; the others keep the button face.
TEST(StatsWindow, APanelTakesTheColourOfItsCount)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    const auto balls = test::predictBalls(m.random, 20);
    test::playTurn(m, 4, 0, "1");
    for (int index : balls) {
        const int n = index + 1;
        EXPECT_EQ(m.stats.panel(n).back, Color::rgb(255, 148, 48)) << n;
        EXPECT_EQ(m.stats.panel(n).caption.text(), std::to_string(n) + ",1");
    }
    const int undrawn = std::find(balls.begin(), balls.end(), 0) == balls.end() ? 1 : 2;
    EXPECT_EQ(m.stats.panel(undrawn).back, Color::buttonFace());
}

TEST(StatsWindow, CloseHidesButTheCloseBoxUnloads)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    m.menuClicked(Menu::Mnustats);
    EXPECT_TRUE(m.stats.window.visible);
    EXPECT_TRUE(m.main.item(Menu::Mnustats).checked);
    EXPECT_EQ(m.stats.window.top, m.main.window.top + m.main.window.height + 20);
    const int drawn = test::predictBalls(m.random, 20)[0] + 1;
    test::playTurn(m, 4, 0, "1");
    const std::string caption = std::to_string(drawn) + ",1";

    m.statsCloseClicked();
    EXPECT_FALSE(m.stats.window.visible);
    EXPECT_FALSE(m.main.item(Menu::Mnustats).checked);
    m.menuClicked(Menu::Mnustats);
    EXPECT_EQ(m.stats.panel(drawn).caption.text(), caption);  // as it was

    m.statsFrameClosed();
    EXPECT_FALSE(m.stats.window.loaded);
    EXPECT_FALSE(m.main.item(Menu::Mnustats).checked);
    m.menuClicked(Menu::Mnustats);
    EXPECT_EQ(m.stats.panel(drawn).caption.text(), "");  // design state until drawn again
    EXPECT_EQ(m.state.numberStats[drawn], 1);            // the count is kept
    // The legend keeps its six colours, from orange "Poor" to yellow "Excellent".
    const std::array<Color, 6> legend{Color::rgb(255, 148, 48), Color::rgb(255, 168, 255), Color::rgb(0, 135, 252),
                                      Color::rgb(0, 239, 0),    Color::rgb(247, 207, 105), Color::rgb(247, 249, 2)};
    EXPECT_EQ(m.stats.legendShapes, legend);
}

// The tooltips tell the odds of the table the rows show: until the first draw of
// a ticket that is the ten-spot table at Easy the window loads with, whatever
// was picked or chosen meanwhile.
TEST(PrizeWindow, TooltipsDescribeTheTableTheRowsShow)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    m.menuClicked(Menu::Mnuhard);
    test::pickNumbers(m, test::picksForHits(m, 6, 0));
    m.commandClicked(CommandButton::Cmdbet);
    EXPECT_EQ(m.prize.row(7).caption.text(), " 7 Out of 10  650");
    EXPECT_TRUE(m.prize.tooltip.starts_with("A bet of 1 credit on 10 picks at Easy returns ")) << m.prize.tooltip;
    EXPECT_EQ(m.prize.row(10).tooltip, "Chance 1 in 8,911,711");  // 10 of 10 picks among 20 balls
    m.betTextEdited("1");
    m.betOkClicked();
    test::play(m);
    EXPECT_EQ(m.prize.row(7).caption.text(), "");
    EXPECT_TRUE(m.prize.tooltip.starts_with("A bet of 1 credit on 6 picks at Hard returns ")) << m.prize.tooltip;
    EXPECT_EQ(m.prize.row(7).tooltip, "");
    EXPECT_EQ(m.prize.row(6).tooltip, "Chance 1 in 7,753");  // 6 of 6 picks among 20 balls
}

}  // namespace
}  // namespace ferlow
