// The draw: distinct balls one per second, hits, winnings paid while the balls
// fall, the hourglass of turns, the status line and the sounds.
#include <gtest/gtest.h>

#include <set>

#include "engine/rules/format.h"
#include "support/game_driver.h"

namespace ferlow {
namespace {

class Draw : public ::testing::Test {
protected:
    void SetUp() override { test::startGame(m); }
    int marked(ListImage image) const
    {
        int n = 0;
        for (const Marker& marker : m.main.Shp1) n += marker.visible && marker.image == image;
        return n;
    }

    test::FakeHost host;
    Machine m{host};
};

// Every later hit recomputes the prize; each payment adds only what is not yet
// paid, so the credit rises by exactly the final prize, in either style.
TEST_F(Draw, TheCreditRisesByExactlyTheFinalPrize)
{
    const struct {
        Menu style;
        int spots, hits;
        const char* bet;
        double won;
    } turns[] = {{Menu::MnuFast, 4, 2, "10", 70},
                 {Menu::MnuSlow, 8, 6, "10", 850},
                 {Menu::MnuFast, 8, 6, "10", 850},
                 {Menu::MnuFast, 4, 3, "2.5", 37.5},
                 {Menu::MnuSlow, 4, 3, "2.5", 37.5}};
    for (const auto& t : turns) {
        m.menuClicked(t.style);
        const double before = m.state.credit;
        std::vector<bool> newGame;
        host.onEvents = [&] { newGame.push_back(m.main.item(Menu::Mnungam).enabled); };
        test::playTurn(m, t.spots, t.hits, t.bet);
        EXPECT_DOUBLE_EQ(m.state.credit, before + t.won);
        EXPECT_EQ(marked(ListImage::Hit), t.hits);
        EXPECT_EQ(m.main.LblWon.caption.text(), "Won " + fmt::grouped(t.won));
        EXPECT_EQ(m.prize.row(t.hits).fore, palette::brightRed);
        EXPECT_EQ(m.prize.row(t.hits + 1).fore, Color::buttonText());
        EXPECT_TRUE(t.hits == 2 || m.prize.row(t.hits - 1).fore == palette::black);
        EXPECT_EQ(m.state.creditCountFrom, 1);
        EXPECT_FALSE(newGame.front());  // Play disabled it; the second hit enables it
        EXPECT_TRUE(newGame.back());
    }

    // Fewer hits than pay lose the bet after the last ball; the pressed face of
    // Play goes when the draw starts, and the captions keep the turn just played.
    const double before = m.state.credit;
    test::pickNumbers(m, test::picksForHits(m, 4, 1));
    test::placeBet(m, "2.5");
    m.commandDown(CommandButton::CmdPlay);
    std::set<std::string> during;
    host.onEvents = [&] {
        during.insert(fmt::plain(m.state.credit) + " " + m.main.CmdPlay.face.file +
                      (m.main.item(Menu::Mnungam).enabled ? " NewGame" : ""));
    };
    test::play(m);
    EXPECT_EQ(during, std::set<std::string>{fmt::plain(before) + " plating.bmp"});
    EXPECT_DOUBLE_EQ(m.state.credit, before - 2.5);
    EXPECT_EQ(m.state.creditsLost, 2);  // a 16-bit total: 2.5 to the even neighbour
    EXPECT_EQ(m.hsc.LblLoss.caption.text(), "You lost 2 credits");
    EXPECT_EQ(m.main.LblcredS.caption.text() + "|" + m.main.LblBet.caption.text() + "|" + m.main.LblHit.caption.text(),
              "Credit " + fmt::grouped(before - 2.5) + "|Bet 3|Hits  1");  // whole credits shown
    EXPECT_EQ(test::enabledControls(m), "Bet Exit NewGame ChangeNumbers ScoreStyle main prize stats");
}

// One credit per pass of the event loop: every whole value is painted on the way,
// also when a fractional bet makes the prize end in a fraction.
TEST_F(Draw, SlowStyleShowsEveryCreditOnTheWay)
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
        for (int c = 30; c <= row.last; ++c)
            EXPECT_TRUE(shown.contains("Credit " + std::to_string(c))) << "bet " << row.bet << ", credit " << c;
        EXPECT_EQ(m.main.LblCred.caption.text(), "Credit " + std::to_string(row.last));
    }
}

// New Game chosen while the balls fall ends the draw; the turn's win goes with
// it, so the next turn starts from nothing won.
TEST_F(Draw, NewGameMidDrawLeavesNoWinBehind)
{
    test::playTurn(m, 4, 0, "1");
    test::pickNumbers(m, test::picksForHits(m, 4, 3));
    test::placeBet(m, "10");
    host.onEvents = [&] {
        if (m.state.won > 0 && m.main.item(Menu::Mnungam).enabled) m.menuClicked(Menu::Mnungam);
    };
    test::play(m);
    host.onEvents = nullptr;
    ASSERT_EQ(m.state.turn, 0);
    EXPECT_EQ(m.state.won, 0);
    EXPECT_EQ(m.main.PicShow.tooltip, "You have 20 turns");
    EXPECT_EQ(marked(ListImage::Drawn) + marked(ListImage::Hit) + marked(ListImage::Picked), 0);  // no ball fell after
    EXPECT_EQ(m.main.window.pointer, Pointer::Default);
    test::playTurn(m, 4, 0, "1");
    EXPECT_EQ(m.state.credit, 29);
    EXPECT_EQ(m.main.LblWon.caption.text(), "Won 0");
}

TEST_F(Draw, TheStatusLineAndTheHourglassFollowTheTurns)
{
    m.state.highScores[0] = 2000;
    for (int turn = 1; turn <= 19; ++turn) {
        const auto balls = test::predictBalls(m.random, 20);
        test::playTurn(m, 4, 0, "1");
        const char* expected = turn < 4    ? "hg1.bmp"
                               : turn < 8  ? "hg2.bmp"
                               : turn < 12 ? "hg3.bmp"
                               : turn < 18 ? "hg4.bmp"
                                           : "hg5.bmp";
        EXPECT_EQ(m.main.PicShow.picture.file, expected) << turn;
        EXPECT_EQ(m.main.PicShow.tooltip, "You have " + std::to_string(20 - turn) + " turns");
        if (turn == 3) {
            EXPECT_EQ(m.stats.Pnlcentre.caption.text(), "Highest Score: 02,000     Balls out: 20   Number: " +
                                                            fmt::zeroPadded2(balls.back() + 1) + "     Turn: 03");
        }
    }
    std::set<std::string> lastTurn;
    host.onEvents = [&] { lastTurn.insert(m.main.PicShow.picture.file + "|" + m.main.PicShow.tooltip); };
    host.answers.push_back(MessageAnswer::No);
    test::playTurn(m, 4, 0, "1");
    EXPECT_EQ(lastTurn, std::set<std::string>{"hg6.bmp|Last Turn. Game Over"});
    EXPECT_EQ(m.main.PicShow.picture.file + "|" + m.main.PicShow.tooltip, "hg1.bmp|You have 20 turns");
}

TEST_F(Draw, BallAndResultSounds)
{
    test::playTurn(m, 4, 2, "1");
    EXPECT_EQ(host.played("hit.wav"), 2);
    EXPECT_EQ(host.played("boot.wav"), 18);
    EXPECT_EQ(host.played("small.wav"), 0);  // result sounds are off
    m.menuClicked(Menu::Mnuon);
    const struct {
        Menu level;
        int spots, hits;
        const char* sound;
    } turns[] = {{Menu::Mnueasy, 4, 2, "small.wav"},    {Menu::Mnueasy, 4, 4, "mmm.wav"},
                 {Menu::Mnueasy, 4, 1, "lost.wav"},     {Menu::Mnumedium, 10, 2, "lost.wav"},
                 {Menu::Mnumedium, 10, 4, "small.wav"}, {Menu::Mnumedium, 9, 4, "mmm.wav"},
                 {Menu::Mnumedium, 9, 2, "small.wav"},  {Menu::Mnuhardest, 10, 4, "small.wav"},
                 {Menu::Mnuhardest, 10, 3, "lost.wav"}, {Menu::Mnuhardest, 10, 5, "mmm.wav"}};
    for (const auto& t : turns) {
        m.menuClicked(Menu::Mnungam);
        m.menuClicked(t.level);
        const int before = host.played(t.sound), stops = host.stops, clock = host.clock;
        test::playTurn(m, t.spots, t.hits, "1");
        EXPECT_EQ(host.played(t.sound), before + 1) << t.spots << " spots, " << t.hits << " hits";
        EXPECT_EQ(host.sounds.back().mode, PlayMode::Async);
        EXPECT_GT(host.stops, stops);
        // Medium and Hardest draw 22 distinct balls, the others 20, one a second.
        const int balls = t.level == Menu::Mnumedium || t.level == Menu::Mnuhardest ? 22 : 20;
        EXPECT_EQ(marked(ListImage::Drawn) + marked(ListImage::Hit), balls);
        EXPECT_EQ(host.clock - clock, balls);
    }
}

// Exit answered No while the last turn's balls fall does not end the game under
// the draw: the turn settles and the result reaches the high scores.
TEST_F(Draw, ExitAnsweredNoDuringTheLastDrawKeepsTheResult)
{
    m.state.turn = kTurnsPerGame - 1;
    m.state.credit = 700;
    test::pickNumbers(m, test::picksForHits(m, 4, 2));
    test::placeBet(m, "5");
    host.answers = {MessageAnswer::No, MessageAnswer::No};
    host.onEvents = [&] {
        if (host.messages.empty()) m.commandClicked(CommandButton::Cmdexit);
    };
    test::play(m);
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(m.state.highScores[4], 735);
    EXPECT_TRUE(m.hsc.Txtnam[4].enabled);
}

}  // namespace
}  // namespace ferlow
