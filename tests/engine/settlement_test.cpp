// Whole games through the machine: the turn limit with the high-score entry in
// every place and in none, running out of credit, the win message and the exit
// question.
#include <gtest/gtest.h>

#include "support/game_driver.h"

namespace ferlow {
namespace {

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.stored = {{{5000, "Ann"}, {2000, "Bob"}, {1000, "Cy"}, {750, "Di"}, {400, "Ed"}}};
        test::startGame(m);
    }
    // Plays a game of 20 turns on four picks: the first turns win as given
    // (bet, hits), the rest lose a bet of 1 each.
    void playGame(const std::vector<std::pair<int, int>>& wins)
    {
        for (const auto& [bet, hits] : wins) test::playTurn(m, 4, hits, std::to_string(bet));
        for (std::size_t turn = wins.size(); turn < 20; ++turn) test::playTurn(m, 4, 0, "1");
    }
    // The last turn loses a bet of 1 from `credit + 1`.
    void finishWith(double credit)
    {
        m.state.turn = 19;
        m.state.credit = credit + 1;
        test::playTurn(m, 4, 0, "1");
    }
    const MessageBox* message(const std::string& title) const
    {
        for (const auto& box : host.messages)
            if (box.title == title) return &box;
        return nullptr;
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> n;
        for (const auto& field : m.hsc.Txtnam) n.push_back(field.text);
        return n;
    }

    test::FakeHost host;
    Machine m{host};
};

struct PlaceCase {
    std::vector<std::pair<int, int>> wins;
    double finalCredit;
    int place;  // 0: none
};

class HighScorePlaces : public GameTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(HighScorePlaces, AFinishedGameEntersItsCreditInItsPlace)
{
    const PlaceCase c = GetParam();
    playGame(c.wins);
    ASSERT_EQ(m.state.turn, 0);  // a fresh game after the exit question was answered No
    ASSERT_NE(message("Exit"), nullptr);
    EXPECT_EQ(message("Exit")->defaultButton, MessageAnswer::No);
    EXPECT_EQ(m.state.credit, 30);

    const std::vector<double> before{5000, 2000, 1000, 750, 400};
    const std::vector<std::string> beforeNames{"Ann", "Bob", "Cy", "Di", "Ed"};
    std::vector<double> scores(before);
    std::vector<std::string> expectedNames(beforeNames);
    if (c.place > 0) {
        scores.insert(scores.begin() + (c.place - 1), c.finalCredit);
        scores.pop_back();
        expectedNames.insert(expectedNames.begin() + (c.place - 1), "");
        expectedNames.pop_back();
    }
    EXPECT_EQ(std::vector<double>(m.state.highScores.begin(), m.state.highScores.end()), scores);
    EXPECT_EQ(names(), expectedNames);
    for (int k = 1; k <= 5; ++k) {
        const TextBox& field = m.hsc.Txtnam[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(field.enabled, k == c.place) << k;
        EXPECT_EQ(field.back == palette::yellow, k == c.place) << k;
    }
    EXPECT_EQ(m.hsc.Lblsign.visible, c.place > 0);
    EXPECT_TRUE(m.hsc.window.visible);
    EXPECT_FALSE(m.main.window.enabled);
    EXPECT_FALSE(m.prize.window.enabled);
    EXPECT_FALSE(m.main.Cmdbet.enabled);
    EXPECT_TRUE(m.main.item(Menu::Mnugtyp).enabled);
    EXPECT_TRUE(m.state.statsResetPending);

    // The player types a name and closes the window: the table is saved.
    if (c.place > 0) m.hscNameEdited(c.place, "Zoe");
    m.hscCloseClicked();
    EXPECT_FALSE(m.hsc.window.visible);
    EXPECT_TRUE(m.main.window.enabled);
    EXPECT_TRUE(m.main.Cmdbet.enabled);
    EXPECT_EQ(host.writes, 1);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(host.stored[i].score, static_cast<std::int64_t>(scores[i]));
        const std::string name = static_cast<int>(i) + 1 == c.place ? "Zoe" : expectedNames[i];
        EXPECT_EQ(host.stored[i].name, name);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPlace, HighScorePlaces,
                         ::testing::Values(PlaceCase{{{30, 4}, {100, 4}}, 11062, 1}, PlaceCase{{{30, 4}}, 2561, 2},
                                           PlaceCase{{{20, 4}}, 1711, 3}, PlaceCase{{{10, 4}}, 861, 4},
                                           PlaceCase{{{30, 3}}, 461, 5}, PlaceCase{{}, 10, 0}));

TEST_F(GameTest, RunningOutOfCreditOnTheLastTurnStartsANewGameWithoutAnEntry)
{
    for (int turn = 0; turn < 19; ++turn) test::playTurn(m, 4, 0, "1");
    ASSERT_EQ(m.state.credit, 11);
    test::playTurn(m, 4, 0, "11");
    ASSERT_NE(message("Game Over"), nullptr);
    EXPECT_EQ(message("Game Over")->text, "You have no Credit.");
    EXPECT_EQ(message("Exit"), nullptr);
    EXPECT_EQ(m.state.credit, 30);
    EXPECT_EQ(m.state.turn, 0);
    EXPECT_EQ(m.state.creditsLost, 0);
    EXPECT_FALSE(m.hsc.Lblsign.visible);
    EXPECT_EQ(m.betDialog.fillinWidthTwips, 0);
    EXPECT_TRUE(m.main.item(Menu::Mnugtyp).enabled);
    EXPECT_EQ(m.stats.panel(m.stats.PnlNum.size() - 1).caption.text(), "80,0");
}

TEST_F(GameTest, HalfACreditIsNoCredit)
{
    test::playTurn(m, 4, 0, "29.5");
    EXPECT_NE(message("Game Over"), nullptr);
    EXPECT_EQ(m.state.credit, 30);
}

TEST_F(GameTest, WinMessageWordsAndTheirBoundaries)
{
    finishWith(61);
    ASSERT_NE(message("Poor but"), nullptr);
    EXPECT_EQ(message("Poor but")->text, "You won 61 Credits.");
}

TEST_F(GameTest, NoWinMessageForASmallGain)
{
    finishWith(45);
    EXPECT_EQ(host.messages.size(), 1u);  // only the exit question
    EXPECT_EQ(host.messages[0].title, "Exit");
}

TEST_F(GameTest, ACreditEqualToAStoredScoreIsNotEntered)
{
    finishWith(1000);
    EXPECT_EQ(m.state.highScores[2], 1000);
    EXPECT_EQ(m.state.highScores[3], 750);
    EXPECT_FALSE(m.hsc.Lblsign.visible);
    for (const auto& field : m.hsc.Txtnam) EXPECT_FALSE(field.enabled);
    EXPECT_EQ(message("Good"), nullptr);  // not below the fifth score either
}

TEST_F(GameTest, WordAndRatingDifferAtTwentyThousandAndFourHundred)
{
    host.stored = {{{90000, "A"}, {80000, "B"}, {70000, "C"}, {60000, "D"}, {50000, "E"}}};
    Machine high(host);
    test::startGame(high);
    high.state.turn = 19;
    high.state.credit = 20001;
    host.answers.push_back(MessageAnswer::No);
    test::playTurn(high, 4, 0, "1");
    ASSERT_NE(message("Excellent"), nullptr);
    EXPECT_EQ(message("Excellent")->text, "You won 20,000 Credits.");

    high.hscCloseClicked();
    host.messages.clear();
    high.state.turn = 19;
    high.state.credit = 401;
    test::playTurn(high, 4, 0, "1");
    EXPECT_NE(message("Not bad"), nullptr);
    EXPECT_EQ(high.state.rating, 6);
}

TEST_F(GameTest, RatingBands)
{
    const std::pair<double, int> rows[] = {{20001, 1}, {20000, 2}, {10001, 2}, {10000, 3}, {5001, 3}, {5000, 4},
                                           {1001, 4},  {1000, 5},  {401, 5},   {400, 6},   {0, 6}};
    // Rated after every turn: a lost bet of 1 leaves the credit to rate.
    for (const auto& [credit, rating] : rows) {
        m.state.credit = credit + 1;
        test::playTurn(m, 4, 0, "1");
        EXPECT_EQ(m.state.rating, rating) << credit;
    }
}

TEST_F(GameTest, ExitAnsweredYesSaysGoodbyeAndEnds)
{
    m.state.credit = 100;
    host.answers.push_back(MessageAnswer::Yes);
    m.commandClicked(CommandButton::Cmdexit);
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].title, "Exit");
    EXPECT_EQ(host.messages[0].text,
              "Do you wish to exit Ferlow, say no if you won and want your name in the High Scores.");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(host.messages[1].title, "Poor but");
    EXPECT_EQ(host.messages[2].title, "Thankyou");
    EXPECT_EQ(host.messages[2].text, "For playing Ferlow");
    EXPECT_TRUE(m.ended());
    EXPECT_TRUE(host.quitCalled);
}

TEST_F(GameTest, ExitAnsweredNoWithTurnsLeftOnlyAsksForAStatisticsReset)
{
    test::playTurn(m, 4, 2, "5");
    const double credit = m.state.credit;
    m.commandDown(CommandButton::Cmdexit);
    m.commandUp(CommandButton::Cmdexit);
    m.commandClicked(CommandButton::Cmdexit);
    EXPECT_TRUE(m.state.statsResetPending);
    EXPECT_EQ(m.state.credit, credit);
    EXPECT_FALSE(m.hsc.window.visible);
    EXPECT_FALSE(m.ended());
    // Releasing the mouse over Exit clears the pending reset before the question.
    m.commandUp(CommandButton::Cmdexit);
    EXPECT_FALSE(m.state.statsResetPending);
}

TEST_F(GameTest, ButtonsShowTheirPressedFaceWhileHeld)
{
    m.commandDown(CommandButton::Cmdbet);
    EXPECT_TRUE(m.main.Cmdbet.face.file.ends_with("plating2.bmp"));
    m.commandUp(CommandButton::Cmdbet);
    EXPECT_TRUE(m.main.Cmdbet.face.file.ends_with("plating.bmp"));
}

TEST_F(GameTest, PlayDisablesNewGameBeforeTheFirstBall)
{
    test::playTurn(m, 4, 0, "1");  // a lost bet enables New Game
    ASSERT_TRUE(m.main.item(Menu::Mnungam).enabled);
    test::pickNumbers(m, test::picksForHits(m, 4, 0));
    test::placeBet(m, "1");
    bool disabledAtFirstBall = false;
    host.onEvents = [&] {
        if (!disabledAtFirstBall) disabledAtFirstBall = !m.main.item(Menu::Mnungam).enabled;
    };
    test::play(m);
    EXPECT_TRUE(disabledAtFirstBall);
}

}  // namespace
}  // namespace ferlow
