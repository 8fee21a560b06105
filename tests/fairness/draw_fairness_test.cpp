// The real machine's draw: a million balls through the same handlers a player's
// clicks reach, every number equally likely, each ball independent of the one
// before, and hit counts as the odds shown in the prize window say.
#include <gtest/gtest.h>

#include "draw_tally.h"
#include "machine_session.h"
#include "report.h"
#include "sample_sizes.h"

namespace ferlow::fairness {
namespace {

TEST(MachineDraw, AMillionBallsAreUniformAndEachIndependentOfTheOneBefore)
{
    MachineSession session(0x5EED0001, Menu::Mnueasy);
    session.pick({6, 29, 47, 73});
    DrawTally tally;
    for (int t = 0; t < kDrawTurns; ++t) tally.add(session.playTurn().balls);
    ASSERT_EQ(tally.items(), 1'000'000);

    const ChiSquare positions = tally.uniformity();
    const ChiSquare pairs = tally.consecutivePairs();
    report("numbers of 1,000,000 balls", positions);
    report("consecutive pairs of 1,000,000 balls", pairs);
    EXPECT_GT(positions.p, kSignificance) << positions.describe();
    EXPECT_GT(pairs.p, kSignificance) << pairs.describe();
}

// Quick Pick chooses the numbers, so the picks come from the same generator as
// the balls that follow them. The parameter is the balls a draw has: 20 at Easy,
// 22 at Medium.
class HitCounts : public ::testing::TestWithParam<int> {};

TEST_P(HitCounts, FollowTheExactOddsForEveryCountOfPicks)
{
    const int balls = GetParam();
    MachineSession session(0x5EED0000 + static_cast<unsigned>(balls), balls == 20 ? Menu::Mnueasy : Menu::Mnumedium);
    ASSERT_EQ(session.machine().state.ballsPerDraw, balls);
    std::vector<std::vector<long long>> histograms;
    for (int spots = 0; spots <= kMaxPicks; ++spots) histograms.emplace_back(static_cast<std::size_t>(spots) + 1, 0);
    for (int t = 0; t < kHitTurnsPerSpots * 7; ++t) {
        const int spots = kMinPicks + t % 7;
        session.quickPick(spots);
        ++histograms[static_cast<std::size_t>(spots)][static_cast<std::size_t>(session.playTurn().hits)];
    }

    std::vector<ChiSquare> fits;
    for (int spots = kMinPicks; spots <= kMaxPicks; ++spots) {
        fits.push_back(hitCountFit(histograms[static_cast<std::size_t>(spots)], spots, balls));
        const std::string what = std::to_string(spots) + " picks, " + std::to_string(balls) + " balls";
        report(what.c_str(), fits.back());
        EXPECT_GT(fits.back().p, kSignificance) << what << ": " << fits.back().describe();
    }
    const ChiSquare all = combined(fits);
    report(("every count of picks, " + std::to_string(balls) + " balls").c_str(), all);
    EXPECT_GT(all.p, kSignificance) << all.describe();
}

INSTANTIATE_TEST_SUITE_P(Balls, HitCounts, ::testing::Values(20, 22));

}  // namespace
}  // namespace ferlow::fairness
