// The high-score window's name entry and viewing, and the About, Help and
// Instructions windows with the locking of the other windows.
#include <gtest/gtest.h>

#include "engine/rules/instructions_text.h"
#include "support/game_driver.h"

namespace ferlow {
namespace {

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override { test::startGame(m); }
    bool mainPrizeStatsEnabled() const
    {
        return m.main.window.enabled && m.prize.window.enabled && m.stats.window.enabled;
    }
    // Opens place 1 for a name as the end of a game does.
    void openNameEntry()
    {
        m.state.turn = 19;
        m.state.credit = 9001;
        test::playTurn(m, 4, 0, "1");
        ASSERT_TRUE(m.hsc.Txtnam[0].enabled);
    }

    test::FakeHost host;
    Machine m{host};
};

TEST_F(WindowsTest, NameKeysPassLettersAndTurnEverythingElseIntoN)
{
    openNameEntry();
    EXPECT_EQ(m.hscNameKey(1, 'A'), 'A');
    EXPECT_EQ(m.hscNameKey(1, 'z'), 'z');
    EXPECT_EQ(m.hscNameKey(1, kBackspaceKey), kBackspaceKey);
    for (int key : {int{'1'}, int{' '}, int{'.'}, int{','}, int{'"'}, int{'-'}, 0xE9})
        EXPECT_EQ(m.hscNameKey(1, key), 'n') << key;
    EXPECT_EQ(m.hscNameKey(2, 'A'), 0);  // a locked field takes nothing
}

TEST_F(WindowsTest, PastedTextIsFilteredLikeTypedKeys)
{
    openNameEntry();
    m.hscNameEdited(1, "Jo, \"Bo\"");
    EXPECT_EQ(m.hsc.Txtnam[0].text, "JonnnBon");
    m.hscNameEdited(1, "Zo\xC3\xAB\xE2\x82\xACy");  // a letter with a diaeresis and a euro sign
    EXPECT_EQ(m.hsc.Txtnam[0].text, "Zonny");
    EXPECT_EQ(m.hsc.Txtnam[0].back, Color::buttonFace());
}

TEST_F(WindowsTest, TheTenthCharacterLocksTheFieldAndSavesAtOnce)
{
    openNameEntry();
    m.hscNameEdited(1, "Alexandria");
    EXPECT_FALSE(m.hsc.Txtnam[0].enabled);
    EXPECT_EQ(host.writes, 1);
    EXPECT_EQ(host.stored[0].name, "Alexandria");
    EXPECT_TRUE(m.hsc.window.visible);  // the window stays open until Close
    m.hscNameEdited(1, "Alexandrina");  // the locked field takes no more
    EXPECT_EQ(m.hsc.Txtnam[0].text, "Alexandria");
}

TEST_F(WindowsTest, EnterOnAnEmptyNameSavesFerlowAndCloses)
{
    openNameEntry();
    EXPECT_EQ(m.hscNameKey(1, kEnterKey), 0);
    EXPECT_FALSE(m.hsc.window.visible);
    EXPECT_EQ(m.hsc.Txtnam[0].text, "Ferlow");
    EXPECT_EQ(host.stored[0].name, "Ferlow");
    EXPECT_EQ(host.stored[0].score, 9000);
    EXPECT_TRUE(mainPrizeStatsEnabled());
    EXPECT_TRUE(m.main.Cmdbet.enabled);
    EXPECT_FALSE(m.hsc.Lblsign.visible);
    EXPECT_FALSE(m.hsc.PicFace.visible);
}

TEST_F(WindowsTest, ClosingByTheFrameActsAsClose)
{
    openNameEntry();
    m.hscNameEdited(1, "Kim");
    m.hscFrameClosed();
    EXPECT_FALSE(m.hsc.window.visible);
    EXPECT_EQ(host.stored[0].name, "Kim");
    EXPECT_TRUE(mainPrizeStatsEnabled());
}

TEST_F(WindowsTest, ViewingLocksTheNamesAndClosingRewritesTheSameTable)
{
    const auto before = host.stored;
    m.menuClicked(Menu::Mnuvhsc);
    EXPECT_TRUE(m.hsc.window.visible);
    EXPECT_FALSE(m.main.window.enabled);
    EXPECT_FALSE(m.prize.window.enabled);
    for (const auto& field : m.hsc.Txtnam) EXPECT_FALSE(field.enabled);
    EXPECT_EQ(m.hscNameKey(1, 'x'), 0);
    m.hscCloseClicked();
    EXPECT_EQ(host.writes, 1);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(host.stored[i].score, before[i].score);
        EXPECT_EQ(host.stored[i].name, before[i].name);
    }
    EXPECT_FALSE(m.main.Cmdbet.enabled);  // viewing leaves the Bet button alone
    EXPECT_TRUE(mainPrizeStatsEnabled());
    EXPECT_FALSE(m.state.hscShownFromMenu);
}

TEST_F(WindowsTest, ResetChangesTheTableInMemoryWithoutAsking)
{
    host.stored = {{{9, "A"}, {8, "B"}, {7, "C"}, {6, "D"}, {5, "E"}}};
    Machine fresh(host);
    test::startGame(fresh);
    fresh.menuClicked(Menu::Mnureset);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.writes, 0);
    EXPECT_EQ(fresh.state.highScores[0], 5000);
}

TEST_F(WindowsTest, AboutAnimatesAndItsOkUnlocksEverything)
{
    m.menuClicked(Menu::Mnuabt);
    EXPECT_TRUE(m.about.window.visible);
    EXPECT_FALSE(m.main.window.enabled);
    EXPECT_FALSE(m.prize.window.enabled);
    EXPECT_FALSE(m.stats.window.enabled);
    EXPECT_TRUE(m.about.timerRunning);
    EXPECT_EQ(m.about.cycler, ListImage::EmblemA);
    EXPECT_FALSE(m.about.Label1.caption.text().empty());
    m.aboutTimerTick();
    EXPECT_EQ(m.about.cycler, ListImage::EmblemB);
    m.aboutTimerTick();
    EXPECT_EQ(m.about.cycler, ListImage::EmblemA);
    m.aboutTimerTick();
    m.aboutOkClicked();
    EXPECT_FALSE(m.about.window.loaded);
    EXPECT_FALSE(m.about.timerRunning);
    EXPECT_TRUE(mainPrizeStatsEnabled());
    // Reopening starts again from the first frame.
    m.menuClicked(Menu::Mnuabt);
    EXPECT_EQ(m.about.cycler, ListImage::EmblemA);
}

TEST_F(WindowsTest, AboutClosedByItsFrameUnlocksOnlyTheMainWindow)
{
    m.menuClicked(Menu::Mnuabt);
    m.aboutFrameClosed();
    EXPECT_TRUE(m.main.window.enabled);
    EXPECT_FALSE(m.prize.window.enabled);
    EXPECT_FALSE(m.about.timerRunning);
}

TEST_F(WindowsTest, AboutTimerChangesNothingWhenTheBoxHoldsNeitherFrame)
{
    m.menuClicked(Menu::Mnuabt);
    m.about.cyclerShowsFrame = false;
    m.aboutTimerTick();
    EXPECT_EQ(m.about.cycler, ListImage::EmblemA);
}

TEST_F(WindowsTest, HelpShowsItsPageAndLocksUntilClosed)
{
    m.menuClicked(Menu::MnuHlp);
    EXPECT_EQ(m.main.window.pointer, Pointer::Hourglass);
    EXPECT_TRUE(m.help.window.visible);
    EXPECT_TRUE(m.help.Image1.picture.file.ends_with("help.bmp"));
    EXPECT_FALSE(m.main.window.enabled);
    m.helpCloseClicked();
    EXPECT_FALSE(m.help.window.loaded);
    EXPECT_TRUE(mainPrizeStatsEnabled());
    m.mainActivated();
    EXPECT_EQ(m.main.window.pointer, Pointer::Default);

    m.menuClicked(Menu::MnuHlp);
    m.helpFrameClosed();
    EXPECT_TRUE(m.main.window.enabled);
    EXPECT_FALSE(m.stats.window.enabled);
}

TEST_F(WindowsTest, InstructionsTextIsExactAndFilledAtLoadAndActivation)
{
    EXPECT_EQ(m.instructions.greyDotRuns, 1u);  // filled at load, during start-up
    m.menuClicked(Menu::Mnuinst);
    EXPECT_EQ(m.instructions.greyDotRuns, 2u);
    EXPECT_EQ(m.instructions.whiteDotRuns, 2u);
    const std::string& first = m.instructions.Lblins1.caption.text();
    EXPECT_TRUE(first.starts_with("  Welcome to version 2.05 of Ferlow"));
    EXPECT_NE(first.find("yellow.  To be able"), std::string::npos);
    EXPECT_TRUE(first.ends_with("richer or poorer by playing it."));
    EXPECT_EQ(first, joinPieces(kInstructionPieces1));
    EXPECT_TRUE(m.instructions.Lblins2.caption.text().starts_with("  As in the Casino"));
    EXPECT_NE(m.instructions.Lblins2.caption.text().find("after you.  To start"), std::string::npos);

    m.instructionsCloseClicked();
    EXPECT_FALSE(m.instructions.window.loaded);
    EXPECT_TRUE(mainPrizeStatsEnabled());
    // Shown again it is loaded afresh: filled at load and at activation.
    m.menuClicked(Menu::Mnuinst);
    EXPECT_EQ(m.instructions.greyDotRuns, 2u);
    EXPECT_EQ(m.instructions.Lblins1.caption.text(), first);
    m.instructionsFrameClosed();
    EXPECT_TRUE(m.main.window.enabled);
    EXPECT_FALSE(m.prize.window.enabled);
}

TEST_F(WindowsTest, ReadMeThatCannotOpenIsToldWhereItIsAndPlayGoesOn)
{
    m.menuClicked(Menu::MnuRMe);
    EXPECT_TRUE(host.messages.empty());
    host.readMeFails = true;
    m.menuClicked(Menu::MnuRMe);
    ASSERT_EQ(host.readMes.size(), 2u);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].text.ends_with(host.readMes[1])) << host.messages[0].text;
    EXPECT_TRUE(host.readMes[1].ends_with("README.html"));
    EXPECT_FALSE(m.ended());
}

TEST_F(WindowsTest, BackgroundClicksBeep)
{
    m.prizeBackgroundClicked();
    m.statsBackgroundClicked();
    m.hscBackgroundClicked();
    m.aboutBackgroundClicked();
    m.helpBackgroundClicked();
    m.instructionsBackgroundClicked();
    m.openingLabelClicked();
    EXPECT_EQ(host.beeps, 7);
}

}  // namespace
}  // namespace ferlow
