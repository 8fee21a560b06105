// The draw: distinct balls one per second, hits, winnings paid while the balls
// fall, the hourglass of turns, the status line and the result sounds.
#include <gtest/gtest.h>

#include <set>

#include "support/game_driver.h"

namespace ferlow {
namespace {

class DrawTest : public ::testing::Test {
protected:
    void SetUp() override { test::startGame(m); }
    std::vector<test::PlayedSound> soundsNamed(const char* name) const
    {
        std::vector<test::PlayedSound> found;
        for (const auto& s : host.sounds)
            if (s.path.ends_with(name)) found.push_back(s);
        return found;
    }
    int marked(ListImage image) const
    {
        int n = 0;
        for (const Marker& marker : m.main.Shp1) n += marker.visible && marker.image == image;
        return n;
    }

    test::FakeHost host;
    Machine m{host};
};

TEST_F(DrawTest, TwentyOrTwentyTwoDistinctBallsOnePerSecond)
{
    for (Menu level : {Menu::Mnueasy, Menu::Mnumedium, Menu::Mnuhard, Menu::Mnuhardest}) {
        m.menuClicked(Menu::Mnungam);
        m.main.item(Menu::Mnugtyp).enabled = true;
        m.menuClicked(level);
        const int expected = level == Menu::Mnumedium || level == Menu::Mnuhardest ? 22 : 20;
        const int clockBefore = host.clock;
        const auto statsBefore = m.state.numberStats;
        test::playTurn(m, 4, 0, "1");
        EXPECT_EQ(marked(ListImage::Drawn), expected);
        int flags = 0, counted = 0;
        for (int i = 0; i < kBoardNumbers; ++i) flags += m.state.drawnFlags[i];
        for (int n = 1; n <= kBoardNumbers; ++n) counted += m.state.numberStats[n] - statsBefore[n];
        EXPECT_EQ(flags, expected);
        EXPECT_EQ(counted, expected);
        EXPECT_EQ(host.clock - clockBefore, expected);  // one ball per change of the second
        m.main.item(Menu::Mnungam).enabled = true;
    }
}

TEST_F(DrawTest, ABallIsDrawnAgainUntilItIsNew)
{
    // The generator's own sequence repeats numbers within 20 draws often enough
    // over many seeds; every draw must still mark distinct numbers.
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        m.random.reseed(seed);
        const auto balls = test::predictBalls(m.random, 22);
        EXPECT_EQ(std::set<int>(balls.begin(), balls.end()).size(), 22u);
    }
}

TEST_F(DrawTest, NoHitsLosesTheBetAfterTheLastBall)
{
    test::pickNumbers(m, test::picksForHits(m, 4, 0));
    test::placeBet(m, "10");
    std::set<double> creditsDuringDraw;
    host.onEvents = [&] { creditsDuringDraw.insert(m.state.credit); };
    test::play(m);
    EXPECT_EQ(creditsDuringDraw, std::set<double>{30});
    EXPECT_EQ(m.state.credit, 20);
    EXPECT_EQ(m.state.creditsLost, 10);
    EXPECT_EQ(m.hsc.LblLoss.caption.text(), "You lost 10 credits");
    EXPECT_EQ(m.main.LblCred.caption.text(), "Credit 20");
    EXPECT_TRUE(m.main.item(Menu::Mnungam).enabled);  // the lost bet enables New Game
    EXPECT_TRUE(m.main.Cmdbet.enabled);
    EXPECT_TRUE(m.main.item(Menu::Mnucnum).enabled);
    EXPECT_EQ(m.state.bet, 0);
    EXPECT_EQ(m.main.LblBet.caption.text(), "Bet 10");  // captions keep the turn just played
}

TEST_F(DrawTest, CreditRisesByExactlyTheFinalPrizeInBothStyles)
{
    for (Menu style : {Menu::MnuSlow, Menu::MnuFast}) {
        m.menuClicked(style);
        const double before = m.state.credit;
        test::playTurn(m, 8, 6, "10");  // Easy, 8 spots, 6 hits: factor 85
        EXPECT_EQ(m.state.credit, before + 850) << (style == Menu::MnuSlow ? "slow" : "fast");
        EXPECT_EQ(m.main.LblWon.caption.text(), "Won 850");
        EXPECT_EQ(m.prize.row(6).fore, palette::brightRed);
        EXPECT_EQ(m.prize.row(5).fore, palette::black);
        EXPECT_EQ(m.state.creditCountFrom, 1);
    }
}

// One credit per pass of the event loop: every whole value is painted on the way,
// also when a fractional bet makes the prize end in a fraction.
TEST_F(DrawTest, SlowStyleShowsEveryCreditOnTheWay)
{
    const struct {
        const char* bet;
        int last;  // 2 hits pay 7 and 3 hits 15 times the bet in all
    } rows[] = {{"1", 45}, {"2.5", 68}};
    for (const auto& row : rows) {
        m.menuClicked(Menu::Mnungam);
        std::set<std::string> shown;
        host.onEvents = [&] { shown.insert(m.main.LblCred.caption.text()); };
        test::playTurn(m, 4, 3, row.bet);
        host.onEvents = nullptr;
        for (int c = 30; c <= row.last; ++c)
            EXPECT_TRUE(shown.contains("Credit " + std::to_string(c))) << "bet " << row.bet << ", credit " << c;
        EXPECT_EQ(m.state.credit, 30 + 15 * std::stod(row.bet));
        EXPECT_EQ(m.main.LblCred.caption.text(), "Credit " + std::to_string(row.last));
    }
}

// New Game chosen while the balls fall ends the draw; the turn's win goes with
// it, so the next turn starts from nothing won.
TEST_F(DrawTest, NewGameMidDrawLeavesNoWinBehind)
{
    test::pickNumbers(m, test::picksForHits(m, 4, 3));
    test::placeBet(m, "10");
    host.onEvents = [&] {
        if (m.state.won > 0 && m.main.item(Menu::Mnungam).enabled) m.menuClicked(Menu::Mnungam);
    };
    test::play(m);
    host.onEvents = nullptr;
    ASSERT_EQ(m.state.turn, 0);
    EXPECT_EQ(m.state.won, 0);
    EXPECT_EQ(m.state.prize, 0);
    test::playTurn(m, 4, 0, "1");
    EXPECT_EQ(m.state.credit, 29);
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won 0");
    EXPECT_EQ(m.main.LblwonS.caption.text(), "Won 0");
}

TEST_F(DrawTest, NewGameBecomesAvailableAtTheSecondHitMidDraw)
{
    const auto picks = test::picksForHits(m, 4, 2);
    const auto balls = test::predictBalls(m.random, 20);
    test::pickNumbers(m, picks);
    test::placeBet(m, "5");
    std::vector<bool> newGameDuringDraw;
    host.onEvents = [&] { newGameDuringDraw.push_back(m.main.item(Menu::Mnungam).enabled); };
    test::play(m);
    ASSERT_FALSE(newGameDuringDraw.empty());
    EXPECT_FALSE(newGameDuringDraw.front());  // Play disabled it before the first ball
    EXPECT_TRUE(newGameDuringDraw.back());
    EXPECT_TRUE(m.main.item(Menu::Mnungam).enabled);
    (void)balls;
}

TEST_F(DrawTest, OneHitKeepsNewGameOffUntilTheLostBet)
{
    test::pickNumbers(m, test::picksForHits(m, 4, 1));
    test::placeBet(m, "5");
    std::set<bool> newGameDuringDraw;
    host.onEvents = [&] { newGameDuringDraw.insert(m.main.item(Menu::Mnungam).enabled); };
    test::play(m);
    EXPECT_EQ(newGameDuringDraw, std::set<bool>{false});
    EXPECT_EQ(m.state.credit, 25);
}

TEST_F(DrawTest, FractionalBetsKeepTheirFractionInTheCredit)
{
    for (Menu style : {Menu::MnuSlow, Menu::MnuFast}) {
        m.menuClicked(style);
        const double before = m.state.credit;
        test::playTurn(m, 4, 3, "2.5");  // factor 15: 37.5
        EXPECT_DOUBLE_EQ(m.state.credit, before + 37.5);
    }
    const double before = m.state.credit;
    test::playTurn(m, 4, 0, "2.5");
    EXPECT_DOUBLE_EQ(m.state.credit, before - 2.5);
    EXPECT_EQ(m.state.creditsLost, 2);  // a 16-bit total: 2.5 to the even neighbour
}

TEST_F(DrawTest, StatusLineShowsTheBallNumberAndTurn)
{
    m.state.highScores[0] = 2000;
    m.state.turn = 2;
    m.random.reseed(5);
    test::pickNumbers(m, {0, 1, 2, 3});
    const auto balls = test::predictBalls(m.random, 20);
    test::placeBet(m, "1");
    test::play(m);
    const std::string number = (balls.back() + 1 < 10 ? "0" : "") + std::to_string(balls.back() + 1);
    EXPECT_EQ(m.stats.Pnlcentre.caption.text(),
              "Highest Score: 02,000     Balls out: 20   Number: " + number + "     Turn: 03");
}

TEST_F(DrawTest, HourglassMarksTheTurns)
{
    for (int turn = 1; turn <= 19; ++turn) {
        test::playTurn(m, 4, 0, "1");
        const std::string& file = m.main.PicShow.picture.file;
        const char* expected = turn < 4    ? "hg1.bmp"
                               : turn < 8  ? "hg2.bmp"
                               : turn < 12 ? "hg3.bmp"
                               : turn < 18 ? "hg4.bmp"
                                           : "hg5.bmp";
        EXPECT_TRUE(file.ends_with(expected)) << "turn " << turn << ": " << file;
        EXPECT_EQ(m.main.PicShow.tooltip, "You have " + std::to_string(20 - turn) + " turns");
    }
    host.answers.push_back(MessageAnswer::Yes);  // the exit question at the end
    m.state.credit = 100;
    test::pickNumbers(m, test::picksForHits(m, 4, 0));
    test::placeBet(m, "1");
    const auto picture = m.main.PicShow.picture.showings;
    m.commandClicked(CommandButton::CmdPlay);
    EXPECT_EQ(m.main.PicShow.tooltip, "Last Turn. Game Over");
    EXPECT_GT(m.main.PicShow.picture.showings, picture);
}

TEST_F(DrawTest, BallAndResultSounds)
{
    test::playTurn(m, 4, 2, "1");
    EXPECT_EQ(soundsNamed("hit.wav").size(), 2u);
    EXPECT_EQ(soundsNamed("boot.wav").size(), 18u);
    EXPECT_TRUE(soundsNamed("small.wav").empty());  // result sounds are off
    m.menuClicked(Menu::Mnuon);
    test::playTurn(m, 4, 2, "1");
    ASSERT_EQ(soundsNamed("small.wav").size(), 1u);
    EXPECT_EQ(soundsNamed("small.wav")[0].mode, PlayMode::Async);
    test::playTurn(m, 4, 4, "1");
    EXPECT_EQ(soundsNamed("mmm.wav").size(), 1u);
    test::playTurn(m, 4, 1, "1");
    EXPECT_EQ(soundsNamed("lost.wav").size(), 1u);
}

TEST_F(DrawTest, ResultSoundFollowsTheLowestPayingCount)
{
    m.menuClicked(Menu::Mnuon);
    m.menuClicked(Menu::Mnuhardest);
    test::playTurn(m, 10, 3, "1");  // Hardest, 10 spots: 3 hits lose
    EXPECT_EQ(soundsNamed("lost.wav").size(), 1u);
    test::playTurn(m, 10, 4, "1");
    EXPECT_EQ(soundsNamed("small.wav").size(), 1u);
    test::playTurn(m, 10, 5, "1");
    EXPECT_EQ(soundsNamed("mmm.wav").size(), 1u);
}

TEST_F(DrawTest, HandlersRunWhileTheDrawWaitsAndClosingEndsItCleanly)
{
    test::pickNumbers(m, {0, 1, 2, 3});
    test::placeBet(m, "5");
    const int waitsBefore = host.waits;
    host.onEvents = [&] {
        if (host.waits - waitsBefore == 5 && !m.ended()) m.mainClosed();
    };
    test::play(m);
    EXPECT_TRUE(m.ended());
    EXPECT_TRUE(host.quitCalled);
    EXPECT_EQ(host.waits - waitsBefore, 5);  // no ball after the end
    EXPECT_EQ(m.state.credit, 30);
}

}  // namespace
}  // namespace ferlow
