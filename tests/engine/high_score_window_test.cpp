// The high-score table as the machine holds it: loading into the window, saving,
// the reset, the captions and the "of Average" percentages.
#include <gtest/gtest.h>

#include <limits>

#include "engine/machine/machine.h"
#include "support/fake_host.h"
#include "support/game_driver.h"

namespace ferlow {
namespace {

class HighScoresTest : public ::testing::Test {
protected:
    test::FakeHost host;
    Machine m{host};
};

TEST_F(HighScoresTest, LoadFillsScoresCaptionsAndNameFields)
{
    host.stored = {{{20000, "Alice"}, {2000, "  Bob  "}, {0, "Carol"}, {750, "Ferlow"}, {400, "Ferlow"}}};
    m.startUp();
    EXPECT_EQ(m.state.highScores[0], 20000);
    EXPECT_EQ(m.hsc.Lblhi[0].caption.text(), "20,0001 Highest Score ");
    EXPECT_EQ(m.hsc.Lblhi[2].caption.text(), "3 Highest Score ");
    EXPECT_EQ(m.hsc.Lblhi[3].caption.text(), "7504 Highest Score ");
    EXPECT_EQ(m.hsc.Txtnam[1].text, "Bob");
    // Loading is not player input: nothing saved, no field unlocked.
    EXPECT_EQ(host.writes, 0);
    for (const auto& field : m.hsc.Txtnam) EXPECT_FALSE(field.enabled);
}

TEST_F(HighScoresTest, PercentagesAreOfTheRaisedAverage)
{
    host.stored = {{{5000, "A"}, {2000, "B"}, {0, "C"}, {750, "D"}, {400, "E"}}};
    m.startUp();
    // No ticket yet: the average falls back to 20000, raised by 15 percent.
    EXPECT_EQ(m.state.average, 23000);
    EXPECT_EQ(m.hsc.Lblp[0].caption.text(), "21.7% of Average");
    EXPECT_EQ(m.hsc.Lblp[2].caption.text(), "00.0% of Average");
    EXPECT_EQ(m.hsc.Lblp[4].caption.text(), "01.7% of Average");

    // With a ticket the average comes from its top prize: Easy, 4 spots: 8500.
    m.openingPlayClicked();
    test::pickNumbers(m, {0, 1, 2, 3});
    m.menuClicked(Menu::Mnueasy);
    EXPECT_DOUBLE_EQ(m.state.average, 9775);
    EXPECT_EQ(m.hsc.Lblp[0].caption.text(), "51.2% of Average");
}

TEST_F(HighScoresTest, SaveFillsEmptyNamesAndWritesEveryPlace)
{
    test::startGame(m);
    m.hsc.Txtnam[2].text = "";
    m.hsc.Txtnam[0].text = " Dora ";
    m.state.highScores[0] = 250000;  // far beyond the old 16-bit field
    test::saveHighScores(m);
    EXPECT_EQ(host.writes, 1);
    EXPECT_EQ(m.hsc.Txtnam[2].text, "Ferlow");
    EXPECT_EQ(host.stored[2].name, "Ferlow");
    EXPECT_EQ(host.stored[0].name, "Dora");
    EXPECT_EQ(host.stored[0].score, 250000);
    EXPECT_TRUE(host.messages.empty());
}

// A fractional bet leaves a fraction in the credit; the table holds whole numbers.
TEST_F(HighScoresTest, AFinalCreditEntersAsItsNearestWholeNumber)
{
    const struct {
        double credit;
        int place;
        std::int64_t score;
    } cases[] = {{2500.5, 2, 2500}, {751.5, 4, 752}, {1999.5, 3, 2000}, {400.25, 5, 400}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.credit);
        test::FakeHost fresh;
        Machine game{fresh};
        test::startGame(game);
        game.state.turn = kTurnsPerGame - 1;
        game.state.credit = c.credit + 1;
        test::playTurn(game, 4, 0, "1");  // the last turn loses 1
        EXPECT_EQ(game.state.highScores[static_cast<std::size_t>(c.place - 1)], c.score);
        game.hscCloseClicked();
        EXPECT_EQ(fresh.stored[static_cast<std::size_t>(c.place - 1)].score, c.score);
    }
}

// Another game may have saved meanwhile: the window shows what the store holds now.
TEST_F(HighScoresTest, ASaveShowsTheTableTheStoreHoldsAfterIt)
{
    test::startGame(m);
    host.storedByOthers = {
        {{9007199254740993, "Other"}, {5000, "Ferlow"}, {2000, "Ferlow"}, {0, "Zed"}, {750, "Ferlow"}}};
    m.menuClicked(Menu::Mnuvhsc);
    m.hscCloseClicked();
    EXPECT_EQ(host.lastWrite, HighScoreWrite::Merge);
    EXPECT_EQ(m.state.highScores[0], 9007199254740993);
    EXPECT_EQ(m.hsc.Txtnam[0].text, "Other");
    EXPECT_EQ(m.hsc.Txtnam[3].text, "Zed");
    EXPECT_EQ(m.hsc.Lblhi[0].caption.text(), "9,007,199,254,740,9931 Highest Score ");
    EXPECT_EQ(m.hsc.Lblhi[3].caption.text(), "4 Highest Score ");
    // 100 * 9007199254740993 / 23000, to the nearest tenth.
    EXPECT_EQ(m.hsc.Lblp[0].caption.text(), "39161735890178.2% of Average");
    EXPECT_EQ(m.hsc.Lblp[3].caption.text(), "00.0% of Average");
}

// After the player's reset the next save writes this table as it is; later saves
// keep other games' scores again.
TEST_F(HighScoresTest, ResetMakesTheNextSaveReplaceTheStoredTable)
{
    test::startGame(m);
    m.menuClicked(Menu::Mnuvhsc);
    m.hscCloseClicked();
    EXPECT_EQ(host.lastWrite, HighScoreWrite::Merge);
    test::resetHighScores(m);
    m.menuClicked(Menu::Mnuvhsc);
    m.hscCloseClicked();
    EXPECT_EQ(host.lastWrite, HighScoreWrite::Replace);
    m.menuClicked(Menu::Mnuvhsc);
    m.hscCloseClicked();
    EXPECT_EQ(host.lastWrite, HighScoreWrite::Merge);
}

// What became of a damaged or unreadable file is told once, when the main window
// has come up, not over the opening window.
TEST_F(HighScoresTest, AStoreProblemIsToldOnceTheMainWindowShows)
{
    host.readProblem = "The high-score file \"/p/ferlow.ini\" is damaged; it was kept as \"/p/ferlow.ini.bad\".";
    m.startUp();
    EXPECT_TRUE(host.messages.empty());
    m.openingPlayClicked();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(m.main.window.visible);
    EXPECT_EQ(host.messages[0].title, "High Scores");
    EXPECT_EQ(host.messages[0].text, host.readProblem);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    m.openingClosed();
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(HighScoresTest, AFailedSaveIsToldAndPlayGoesOn)
{
    test::startGame(m);
    host.writeError = "/home/p/.local/share/ferlow/ferlow.ini: Permission denied";
    test::saveHighScores(m);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("Permission denied"), std::string::npos);
    EXPECT_FALSE(m.ended());
}

TEST_F(HighScoresTest, ResetChangesMemoryOnlyAndSettlesTheCaptions)
{
    host.stored = {{{9000, "Zed"}, {8000, "Yan"}, {7000, "Xi"}, {6000, "Wu"}, {5000, "Vi"}}};
    test::startGame(m);
    m.state.rating = 2;
    m.hsc.PicFace.visible = false;
    test::resetHighScores(m);
    EXPECT_EQ(host.writes, 0);
    EXPECT_EQ(m.state.highScores[0], 5000);
    EXPECT_EQ(m.state.highScores[4], 400);
    EXPECT_EQ(m.hsc.Lblhi[0].caption.text(), "5,0001 Highest Score ");
    EXPECT_EQ(m.hsc.Lblhi[4].caption.text(), "4005 Highest Score ");
    for (const auto& field : m.hsc.Txtnam) EXPECT_EQ(field.text, "Ferlow");
    // The face is refreshed and shown even while the window is hidden.
    EXPECT_TRUE(m.hsc.PicFace.visible);
    EXPECT_EQ(m.hsc.PicFace.picture.file, "smile3.bmp");
}

TEST_F(HighScoresTest, ScoreCaptionsSettleToTheirStandardFormWhateverIsWritten)
{
    m.startUp();
    m.state.highScores[2] = 1234;
    m.hsc.Lblhi[2].caption.set("1,234Highest Score ");
    EXPECT_EQ(m.hsc.Lblhi[2].caption.text(), "1,2343 Highest Score ");
    m.state.creditsLost = 35;
    m.hsc.LblLoss.caption.set("");
    EXPECT_EQ(m.hsc.LblLoss.caption.text(), "You lost 35 credits");
}

}  // namespace
}  // namespace ferlow
