// The high-score window: the table loaded into it, its captions and "of Average"
// percentages, typing a name, saving, the reset, and what the store reports.
#include <gtest/gtest.h>

#include "support/game_driver.h"

namespace ferlow {
namespace {

// After a finished game's name entry: all but Play, with the board as the last
// turn left it.
constexpr const char* kAfterTheGame = "Bet Exit NewGame ChangeNumbers Difficulty ScoreStyle main prize stats";

class HighScores : public ::testing::Test {
protected:
    // Opens place 1 for a name as the end of a game does.
    void openNameEntry()
    {
        test::startGame(m);
        m.state.turn = kTurnsPerGame - 1;
        m.state.credit = 9001;
        test::playTurn(m, 4, 0, "1");
        ASSERT_TRUE(m.hsc.Txtnam[0].enabled);
    }
    test::FakeHost host;
    Machine m{host};
};

TEST_F(HighScores, TypingANameAtTheEndOfAGame)
{
    openNameEntry();
    EXPECT_EQ(m.hscNameKey(1, 'A'), 'A');
    EXPECT_EQ(m.hscNameKey(1, 'z'), 'z');
    EXPECT_EQ(m.hscNameKey(1, kBackspaceKey), kBackspaceKey);
    for (int key : {int{'1'}, int{' '}, int{'.'}, int{','}, int{'"'}, int{'@'}, int{'['}, int{'`'}, int{'{'}, 0xE9})
        EXPECT_EQ(m.hscNameKey(1, key), 'n') << key;
    EXPECT_EQ(m.hscNameKey(2, 'A'), 0);  // a locked field takes nothing
    m.hscNameClicked(1);                 // a click takes the yellow away
    EXPECT_EQ(m.hsc.Txtnam[0].back, Color::buttonFace());
    // Pasted text is filtered like typed keys.
    m.hscNameEdited(1, "Zo\xC3\xAB\xE2\x82\xACy \"B\"");  // a letter with a diaeresis and a euro sign
    EXPECT_EQ(m.hsc.Txtnam[0].text, "ZonnynnBn");
    EXPECT_EQ(host.writes, 0);
    // The tenth character locks the field and saves at once; the window stays.
    m.hscNameEdited(1, "Alexandrina");
    EXPECT_EQ(m.hsc.Txtnam[0].text, "Alexandrin");
    EXPECT_FALSE(m.hsc.Txtnam[0].enabled);
    EXPECT_EQ(host.writes, 1);
    EXPECT_TRUE(host.storedText().starts_with("9000 Alexandrin|")) << host.storedText();
    EXPECT_TRUE(m.hsc.window.visible);
    m.hscFrameClosed();  // closing by the frame acts as Close
    EXPECT_FALSE(m.hsc.window.visible);
    EXPECT_EQ(test::enabledControls(m), kAfterTheGame);
}

TEST_F(HighScores, EnterOnAnEmptyNameSavesFerlowAndCloses)
{
    openNameEntry();
    EXPECT_EQ(m.hscNameKey(1, kEnterKey), 0);
    EXPECT_FALSE(m.hsc.window.visible);
    EXPECT_TRUE(host.storedText().starts_with("9000 Ferlow|")) << host.storedText();
    EXPECT_EQ(test::enabledControls(m), kAfterTheGame);
    EXPECT_FALSE(m.hsc.Lblsign.visible);
    EXPECT_FALSE(m.hsc.PicFace.visible);
}

TEST_F(HighScores, ViewingLocksTheNamesAndClosingSavesTheTable)
{
    test::startGame(m);
    m.hsc.Txtnam[2].text = "";
    m.hsc.Txtnam[0].text = " Dora ";
    m.state.highScores[0] = 250000;  // far beyond the old 16-bit field
    m.menuClicked(Menu::Mnuvhsc);
    // Left from the main window's width, not its own.
    EXPECT_EQ(m.hsc.window.top, 768 * 15 / 2 - m.hsc.window.height / 1.5);
    EXPECT_EQ(m.hsc.window.left, 1024 * 15 / 2 - 7250 / 1.5);
    EXPECT_EQ(test::enabledControls(m), "Exit QuickPick ChangeNumbers Difficulty ScoreStyle Board");
    for (const auto& field : m.hsc.Txtnam) EXPECT_FALSE(field.enabled);
    m.hscCloseClicked();
    EXPECT_EQ(host.writes, 1);
    EXPECT_EQ(host.lastWrite, HighScoreWrite::Merge);
    EXPECT_EQ(m.hsc.Txtnam[2].text, "Ferlow");  // empty names are filled
    EXPECT_EQ(host.storedText(), "250000 Dora|2000 Ferlow|1000 Ferlow|750 Ferlow|400 Ferlow");
    // Viewing leaves the Bet button alone.
    EXPECT_EQ(test::enabledControls(m), "Exit QuickPick ChangeNumbers Difficulty ScoreStyle Board main prize stats");
    EXPECT_FALSE(m.state.hscShownFromMenu);
    EXPECT_TRUE(host.messages.empty());
}

// Another game may have saved meanwhile: the window shows what the store holds
// after the save.
TEST_F(HighScores, ASaveShowsTheTableTheStoreHoldsAfterIt)
{
    test::startGame(m);
    host.storedByOthers = {
        {{9007199254740993, "Other"}, {5000, "Ferlow"}, {2000, "Ferlow"}, {0, "Zed"}, {750, "Ferlow"}}};
    test::saveHighScores(m);
    EXPECT_EQ(m.state.highScores[0], 9007199254740993);
    EXPECT_EQ(m.hsc.Txtnam[3].text, "Zed");
    EXPECT_EQ(m.hsc.Lblhi[0].caption.text(), "9,007,199,254,740,9931 Highest Score ");
    EXPECT_EQ(m.hsc.Lblhi[3].caption.text(), "4 Highest Score ");
    EXPECT_EQ(m.hsc.Lblp[0].caption.text(), "39161735890178.2% of Average");
}

// The reset changes the table in memory, without asking; the next save writes
// it as it is, later saves keep other games' scores again.
TEST_F(HighScores, ResetReplacesTheStoredTableAtTheNextSave)
{
    host.stored = {{{9000, "Zed"}, {8000, "Yan"}, {7000, "Xi"}, {6000, "Wu"}, {5000, "Vi"}}};
    test::startGame(m);
    m.state.rating = 2;
    m.hsc.PicFace.visible = false;
    test::resetHighScores(m);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.writes, 0);
    EXPECT_EQ(m.hsc.Lblhi[0].caption.text(), "5,0001 Highest Score ");
    EXPECT_EQ(m.hsc.Lblhi[4].caption.text(), "4005 Highest Score ");
    for (const auto& field : m.hsc.Txtnam) EXPECT_EQ(field.text, "Ferlow");
    EXPECT_TRUE(m.hsc.PicFace.visible);  // refreshed even while the window is hidden
    EXPECT_EQ(m.hsc.PicFace.picture.file, "smile3.bmp");
    test::saveHighScores(m);
    EXPECT_EQ(host.lastWrite, HighScoreWrite::Replace);
    EXPECT_EQ(host.storedText(), "5000 Ferlow|2000 Ferlow|1000 Ferlow|750 Ferlow|400 Ferlow");
    test::saveHighScores(m);
    EXPECT_EQ(host.lastWrite, HighScoreWrite::Merge);
}

// A damaged or unreadable file is told once, when the main window has come up;
// a failed save is told, and play goes on.
TEST_F(HighScores, WhatTheStoreReportsIsTold)
{
    host.readProblem = "The high-score file \"/p/ferlow.ini\" is damaged; it was kept as \"/p/ferlow.ini.bad\".";
    m.startUp();
    EXPECT_TRUE(host.messages.empty());
    m.openingPlayClicked();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title + "|" + host.messages[0].text, "High Scores|" + host.readProblem);
    m.openingClosed();
    EXPECT_EQ(host.messages.size(), 1u);

    host.writeError = "/home/p/.local/share/ferlow/ferlow.ini: Permission denied";
    test::saveHighScores(m);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[1].text.find(*host.writeError), std::string::npos);
    EXPECT_FALSE(m.ended());
}

}  // namespace
}  // namespace ferlow
