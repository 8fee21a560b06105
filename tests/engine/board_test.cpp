// Picking numbers by hand and by Quick Pick, and Change Numbers.
#include <gtest/gtest.h>

#include <set>

#include "support/game_driver.h"

namespace ferlow {
namespace {

class PicksTest : public ::testing::Test {
protected:
    void SetUp() override { test::startGame(m); }
    int visibleMarkers() const { return static_cast<int>(test::pickedPositions(m).size()); }
    int ticks() const
    {
        return static_cast<int>(std::count_if(host.sounds.begin(), host.sounds.end(), [](const test::PlayedSound& s) {
            return s.path.ends_with("tick.wav") && s.mode == PlayMode::Sync;
        }));
    }

    test::FakeHost host;
    Machine m{host};
};

TEST_F(PicksTest, FourPicksEnableBetAndThreeDoNot)
{
    for (int p : {0, 9, 40}) m.numberPressed(p);
    EXPECT_EQ(m.state.spots, 3);
    EXPECT_FALSE(m.main.Cmdbet.enabled);
    EXPECT_TRUE(m.main.item(Menu::Mnuqp).enabled);
    m.numberPressed(79);
    EXPECT_EQ(m.state.spots, 4);
    EXPECT_TRUE(m.main.Cmdbet.enabled);
    EXPECT_FALSE(m.main.item(Menu::Mnuqp).enabled);
    EXPECT_TRUE(m.main.Shp1[79].visible);
    EXPECT_FALSE(m.main.Shp1[79].enabled);
    // Unpicking one of four turns Bet off and Quick Pick on again.
    m.numberPressed(9);
    EXPECT_EQ(m.state.spots, 3);
    EXPECT_FALSE(m.main.Shp1[9].visible);
    EXPECT_FALSE(m.main.Cmdbet.enabled);
    EXPECT_TRUE(m.main.item(Menu::Mnuqp).enabled);
}

TEST_F(PicksTest, TenthPickLocksTheBoard)
{
    for (int p = 0; p < 10; ++p) m.numberPressed(p * 7);
    EXPECT_EQ(m.state.spots, 10);
    for (const Label& label : m.main.Lbl1) EXPECT_FALSE(label.enabled);
    EXPECT_TRUE(m.main.Cmdbet.enabled);
    EXPECT_EQ(visibleMarkers(), 10);
    m.numberPressed(1);  // a locked number takes no press
    EXPECT_EQ(m.state.spots, 10);
    EXPECT_EQ(ticks(), 10);
}

TEST_F(PicksTest, AfterChangeNumbersWithTenPicksAnEleventhIsUndoneAtOnce)
{
    for (int p = 0; p < 10; ++p) m.numberPressed(p);
    m.menuClicked(Menu::Mnucnum);
    for (const Label& label : m.main.Lbl1) EXPECT_TRUE(label.enabled);
    m.numberPressed(50);
    EXPECT_EQ(m.state.spots, 10);
    EXPECT_FALSE(m.main.Shp1[50].visible);
    for (const Label& label : m.main.Lbl1) EXPECT_FALSE(label.enabled);  // locked again
    m.menuClicked(Menu::Mnucnum);
    m.numberPressed(3);  // a picked number unpicks
    EXPECT_EQ(m.state.spots, 9);
    EXPECT_FALSE(m.main.Shp1[3].visible);
}

TEST_F(PicksTest, OpeningQuickPickClearsTheBoardEvenWhenNothingIsChosen)
{
    for (int p : {4, 5, 6}) m.numberPressed(p);
    m.main.item(Menu::Mnufive).checked = true;
    m.menuOpened(Menu::Mnuqp);
    EXPECT_EQ(m.state.spots, 0);
    EXPECT_EQ(visibleMarkers(), 0);
    EXPECT_FALSE(m.main.Cmdbet.enabled);
    for (Menu item : kQuickPickItems) EXPECT_FALSE(m.main.item(item).checked);
    for (const Marker& marker : m.main.Shp1) EXPECT_FALSE(marker.enabled);
}

TEST_F(PicksTest, QuickPickSevenMarksSevenDifferentNumbersAndLocksTheBoard)
{
    const int passesBefore = host.eventPasses;
    m.menuOpened(Menu::Mnuqp);
    m.menuClicked(Menu::Mnuseven);
    EXPECT_EQ(m.state.spots, 7);
    EXPECT_EQ(visibleMarkers(), 7);
    EXPECT_EQ(host.eventPasses - passesBefore, 7);  // the balls appear one by one
    for (Menu item : kQuickPickItems) EXPECT_EQ(m.main.item(item).checked, item == Menu::Mnuseven);
    EXPECT_TRUE(m.main.Cmdbet.enabled);
    EXPECT_FALSE(m.main.item(Menu::Mnuqp).enabled);
    for (const Label& label : m.main.Lbl1) EXPECT_FALSE(label.enabled);
}

TEST_F(PicksTest, QuickPickIsReproducibleFromTheSeed)
{
    m.random.reseed(99);
    m.menuClicked(Menu::Mnuten);
    const auto first = test::pickedPositions(m);
    m.menuClicked(Menu::Mnucnum);  // Quick Pick can be chosen again
    m.random.reseed(99);
    m.menuClicked(Menu::Mnuten);
    EXPECT_EQ(test::pickedPositions(m), first);
    EXPECT_EQ(std::set<int>(first.begin(), first.end()).size(), 10u);
}

TEST_F(PicksTest, CountShortcutsDoNothingWhileQuickPickIsOff)
{
    for (int p : {1, 2, 3, 4}) m.numberPressed(p);
    ASSERT_FALSE(m.main.item(Menu::Mnuqp).enabled);
    m.menuClicked(Menu::Mnunine);
    EXPECT_EQ(m.state.spots, 4);
    EXPECT_EQ(test::pickedPositions(m), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(PicksTest, ACountShortcutWithoutOpeningTheMenuStillClearsTheBoardFirst)
{
    for (int p : {1, 2}) m.numberPressed(p);
    m.menuClicked(Menu::Mnufour);
    EXPECT_EQ(m.state.spots, 4);
    EXPECT_EQ(visibleMarkers(), 4);
}

TEST_F(PicksTest, ChangeNumbersAfterADrawKeepsPicksAndClearsDrawMarks)
{
    test::playTurn(m, 5, 2, "5");
    const int spots = m.state.spots;
    ASSERT_EQ(spots, 5);
    int drawnMarks = 0;
    for (const Marker& marker : m.main.Shp1) drawnMarks += marker.visible && marker.image == ListImage::Drawn;
    EXPECT_EQ(drawnMarks, 18);
    const bool betEnabled = m.main.Cmdbet.enabled;
    m.menuClicked(Menu::Mnucnum);
    EXPECT_EQ(m.state.spots, 5);
    EXPECT_EQ(visibleMarkers(), 5);
    for (const Marker& marker : m.main.Shp1) {
        if (marker.visible) {
            EXPECT_EQ(marker.image, ListImage::Picked);
        }
    }
    for (const Label& label : m.main.Lbl1) EXPECT_TRUE(label.enabled);
    EXPECT_EQ(m.main.Cmdbet.enabled, betEnabled);
    EXPECT_TRUE(m.main.item(Menu::Mnuqp).enabled);
}

// Before Quick Pick is first opened, the markers of drawn numbers stay enabled.
// Pressing one must not count as taking back a pick.
TEST_F(PicksTest, PressingTheBallOfADrawnNumberThatWasNotPickedChangesNothing)
{
    test::playTurn(m, 4, 0, "5");
    int drawn = -1;
    for (int i = 0; i < kBoardNumbers; ++i)
        if (m.main.Shp1[i].visible && m.main.Shp1[i].image == ListImage::Drawn) drawn = i;
    ASSERT_GE(drawn, 0);
    ASSERT_TRUE(m.main.Shp1[drawn].enabled);
    m.markerPressed(drawn);
    EXPECT_EQ(m.state.spots, 4);
    EXPECT_TRUE(m.main.Shp1[drawn].visible);
    EXPECT_EQ(test::pickedPositions(m).size(), 4u);
}

TEST_F(PicksTest, EveryPressTicksWhateverTheSoundSetting)
{
    m.menuClicked(Menu::Mnuon);
    m.numberPressed(10);
    m.menuClicked(Menu::Mnuoff);
    m.numberPressed(11);
    EXPECT_EQ(ticks(), 2);
    EXPECT_GE(host.stops, 2);  // each tick stops what was playing first
}

}  // namespace
}  // namespace ferlow
