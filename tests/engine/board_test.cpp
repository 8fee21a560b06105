// Picking numbers on the board by hand and by Quick Pick, and Change Numbers.
#include <gtest/gtest.h>

#include <set>

#include "support/game_driver.h"

namespace ferlow {
namespace {

class Board : public ::testing::Test {
protected:
    void SetUp() override { test::startGame(m); }
    int picks() const { return static_cast<int>(test::pickedPositions(m).size()); }
    bool allLabels(bool enabled) const
    {
        for (const Label& label : m.main.Lbl1)
            if (label.enabled != enabled) return false;
        return true;
    }
    int ticks() const
    {
        int n = 0;
        for (const auto& s : host.sounds) n += s.path == "tick.wav" && s.mode == PlayMode::Sync;
        return n;
    }

    test::FakeHost host;
    Machine m{host};
};

TEST_F(Board, FourToTenPicksByHand)
{
    m.menuClicked(Menu::Mnuon);
    for (int p : {0, 9, 40}) m.numberPressed(p);
    m.menuClicked(Menu::Mnuoff);
    EXPECT_EQ(test::enabledControls(m), "Exit QuickPick ChangeNumbers Difficulty ScoreStyle Board main prize stats");
    m.numberPressed(79);  // the fourth pick: Bet on, Quick Pick off
    EXPECT_EQ(test::enabledControls(m), "Bet Exit ChangeNumbers Difficulty ScoreStyle Board main prize stats");
    EXPECT_TRUE(m.main.Shp1[79].visible && !m.main.Shp1[79].enabled);
    m.numberPressed(9);  // back to three
    EXPECT_FALSE(m.main.Shp1[9].visible);
    EXPECT_EQ(test::enabledControls(m), "Exit QuickPick ChangeNumbers Difficulty ScoreStyle Board main prize stats");

    for (int p = 20; p < 27; ++p) m.numberPressed(p);
    EXPECT_TRUE(allLabels(false));  // the tenth pick locks the board
    m.numberPressed(1);
    EXPECT_EQ(picks(), 10);
    EXPECT_EQ(ticks(), 12);  // every press ticks, whatever the sound setting
    EXPECT_GE(host.stops, 12);

    // Change Numbers unlocks it; an eleventh pick is taken back at once.
    m.menuClicked(Menu::Mnucnum);
    EXPECT_TRUE(allLabels(true));
    m.numberPressed(50);
    EXPECT_TRUE(m.state.spots == 10 && !m.main.Shp1[50].visible && allLabels(false));
    m.menuClicked(Menu::Mnucnum);
    m.numberPressed(20);
    EXPECT_EQ(m.state.spots, 9);
}

TEST_F(Board, QuickPick)
{
    for (int p : {4, 5, 6}) m.numberPressed(p);
    m.menuOpened(Menu::Mnuqp);  // opening the menu clears the board
    EXPECT_EQ(picks(), 0);
    EXPECT_EQ(m.state.spots, 0);
    for (const Marker& marker : m.main.Shp1) EXPECT_FALSE(marker.enabled);

    const int passes = host.eventPasses;
    m.random.reseed(99);
    m.menuClicked(Menu::Mnuseven);
    const auto first = test::pickedPositions(m);
    EXPECT_EQ(std::set<int>(first.begin(), first.end()).size(), 7u);
    EXPECT_EQ(m.state.spots, 7);
    EXPECT_EQ(host.eventPasses - passes, 7);  // the balls appear one by one
    for (Menu item : kQuickPickItems) EXPECT_EQ(m.main.item(item).checked, item == Menu::Mnuseven);
    EXPECT_TRUE(m.main.Cmdbet.enabled);
    EXPECT_FALSE(m.main.item(Menu::Mnuqp).enabled);
    EXPECT_TRUE(allLabels(false));

    // Presses that arrive while the balls are laid add no pick.
    host.onEvents = [&] {
        for (int p = 0; p < kBoardNumbers; ++p) m.numberPressed(p);
    };
    m.menuClicked(Menu::Mnucnum);
    m.menuClicked(Menu::Mnusix);
    host.onEvents = nullptr;
    EXPECT_EQ(picks(), 6);
    m.menuClicked(Menu::Mnucnum);
    m.random.reseed(99);
    m.menuClicked(Menu::Mnuseven);
    m.menuClicked(Menu::Mnunine);  // counts do nothing while Quick Pick is off
    EXPECT_EQ(m.state.spots, 7);

    m.menuClicked(Menu::Mnucnum);
    EXPECT_TRUE(m.main.item(Menu::Mnuqp).enabled);
    for (Menu item : kQuickPickItems) EXPECT_FALSE(m.main.item(item).checked);
    m.random.reseed(99);
    m.menuClicked(Menu::Mnuseven);  // by its shortcut, the menu never opened
    EXPECT_EQ(test::pickedPositions(m), first);
}

TEST_F(Board, ChangeNumbersAfterADrawKeepsThePicks)
{
    // A draw in which number 1 falls and is no pick.
    const auto oneFallsLater = [&] {
        const auto balls = test::predictBalls(m.random, 20);
        return std::find(balls.begin() + 2, balls.end(), 0) != balls.end();
    };
    for (int seed = 1; !oneFallsLater(); ++seed) m.random.reseed(seed);
    test::playTurn(m, 5, 2, "5");
    const int drawn = 0;
    int drawnMarks = 0;
    for (const Marker& marker : m.main.Shp1) drawnMarks += marker.visible && marker.image == ListImage::Drawn;
    EXPECT_EQ(drawnMarks, 18);

    // Before Quick Pick is first opened, the markers of drawn numbers take
    // presses; pressing one is no pick taken back.
    const int before = ticks();
    m.markerPressed(drawn);
    EXPECT_EQ(m.state.spots, 5);
    EXPECT_TRUE(m.main.Shp1[drawn].visible);
    EXPECT_EQ(ticks(), before + 1);
    int hidden = 0;
    while (m.main.Shp1[hidden].visible) ++hidden;
    m.markerPressed(hidden);  // a hidden marker takes no press
    EXPECT_EQ(m.state.spots, 5);

    m.menuClicked(Menu::Mnucnum);
    EXPECT_EQ(m.state.spots, 5);
    EXPECT_EQ(picks(), 5);
    for (const Marker& marker : m.main.Shp1) EXPECT_TRUE(!marker.visible || marker.image == ListImage::Picked);
    EXPECT_TRUE(allLabels(true));
    EXPECT_TRUE(m.main.Cmdbet.enabled);
    EXPECT_TRUE(m.main.item(Menu::Mnuqp).enabled);
}

}  // namespace
}  // namespace ferlow
