// Closing the main window while a handler lets events run: in the slow count of
// a big win, in the last turn's count, in a quick pick and while the
// instructions fill. The machine stops at once, pays nothing more, saves
// nothing, and ends once.
#include <gtest/gtest.h>

#include "fault_fixtures.h"
#include "storage/high_score_format.h"
#include "support/game_driver.h"
#include "support/storage_host.h"

namespace fs = std::filesystem;

namespace ferlow::faults {
namespace {

class CloseMidHandler : public ::testing::Test {
protected:
    ScratchFolder scratch;
    fs::path file = scratch.path() / "ferlow.ini";
    test::StorageHost host{file};
    Machine m{host};

    void SetUp() override
    {
        writeBytes(file, storage::formatHighScores(keptScores()));
        test::startGame(m);
    }

    // Closes the main window on the pass of events where `when` first holds, and
    // records what the machine does after that.
    void closeWhen(std::function<bool()> when)
    {
        host.onEvents = [this, when = std::move(when)] {
            if (closed_) {
                ++passesAfterClose;
                return;
            }
            if (!when()) return;
            creditAtClose = m.state.credit;
            passesAtClose = host.eventPasses;
            soundsAtClose = host.sounds.size();
            m.mainClosed();
            closed_ = true;
        };
    }

    void expectEndedCleanly()
    {
        EXPECT_TRUE(m.ended());
        EXPECT_TRUE(host.quitCalled);
        EXPECT_EQ(passesAfterClose, 0) << "events ran on after the program ended";
        EXPECT_EQ(host.sounds.size(), soundsAtClose) << "sounds played after the program ended";
        EXPECT_EQ(host.saves, 0);
        EXPECT_EQ(readBytes(file), storage::formatHighScores(keptScores()));
        EXPECT_FALSE(m.main.window.visible);
    }

    double creditAtClose = -1;
    int passesAtClose = -1;
    std::size_t soundsAtClose = 0;
    int passesAfterClose = 0;

private:
    bool closed_ = false;
};

// Four of four pays 85 for each credit bet: with 30 bet, the second hit counts
// 210 into the credit, the third 240 more and the fourth 2,100 more, one credit
// a pass. The close comes 100 credits into the fourth hit's count.
TEST_F(CloseMidHandler, ClosingInTheSlowCountOfABigWinStopsThePayingAtOnce)
{
    test::pickNumbers(m, test::picksForHits(m, 4, 4));
    test::placeBet(m, "30");
    closeWhen([this] { return m.state.credit >= 30 + 450 + 100; });
    test::play(m);
    expectEndedCleanly();
    EXPECT_EQ(creditAtClose, 580);
    EXPECT_EQ(m.state.credit, creditAtClose) << "the count went on paying after the close";
    EXPECT_EQ(host.eventPasses, passesAtClose);
    EXPECT_TRUE(host.messages.empty());
}

// The last turn's count: had it finished, the game would end, ask whether to
// exit and save a high score. Closed, it does none of that.
TEST_F(CloseMidHandler, ClosingInTheLastTurnsCountAsksNothingAndSavesNothing)
{
    for (int turn = 1; turn < kTurnsPerGame; ++turn) test::playTurn(m, 4, 2, "5");
    ASSERT_EQ(m.state.turn, kTurnsPerGame - 1);
    test::pickNumbers(m, test::picksForHits(m, 4, 4));
    test::placeBet(m, "100");
    const double before = m.state.credit;
    closeWhen([this, before] { return m.state.credit >= before + 10; });
    test::play(m);
    expectEndedCleanly();
    EXPECT_EQ(m.state.credit, before + 10);
    EXPECT_TRUE(host.messages.empty()) << host.messages.front().title;
    EXPECT_FALSE(m.hsc.window.visible);
}

TEST_F(CloseMidHandler, ClosingWhileAQuickPickLaysItsBallsStopsIt)
{
    closeWhen([this] { return m.state.quickPickFlags != decltype(m.state.quickPickFlags){}; });
    m.menuOpened(Menu::Mnuqp);
    m.menuClicked(Menu::Mnuten);
    expectEndedCleanly();
    int shown = 0;
    for (const Marker& marker : m.main.Shp1) shown += marker.visible ? 1 : 0;
    EXPECT_EQ(shown, 0) << "balls were laid after the close";
}

TEST_F(CloseMidHandler, ClosingWhileTheInstructionsFillEndsWithoutOpeningThem)
{
    closeWhen([] { return true; });
    m.menuClicked(Menu::Mnuinst);
    expectEndedCleanly();
    EXPECT_FALSE(m.instructions.window.visible);
}

}  // namespace
}  // namespace ferlow::faults
