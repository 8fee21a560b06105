// Quick Pick on the real machine: every position equally likely for every count
// of picks, and each pick independent of the one before.
#include <gtest/gtest.h>

#include "draw_tally.h"
#include "machine_session.h"
#include "report.h"
#include "sample_sizes.h"

namespace ferlow::fairness {
namespace {

TEST(QuickPick, PositionsAreUniformForEveryCountAndEachIndependentOfTheOneBefore)
{
    MachineSession session(0x5EED0004, Menu::Mnueasy);
    DrawTally all;
    std::vector<DrawTally> byCount(kMaxPicks + 1);
    for (int i = 0; i < kQuickPicksPerCount * 7; ++i) {
        const int count = kMinPicks + i % 7;
        const std::vector<int> picks = session.quickPick(count);
        all.add(picks);
        byCount[static_cast<std::size_t>(count)].add(picks);
    }
    for (int count = kMinPicks; count <= kMaxPicks; ++count) {
        const ChiSquare fit = byCount[static_cast<std::size_t>(count)].uniformity();
        const std::string what = "quick picks of " + std::to_string(count);
        report(what.c_str(), fit);
        EXPECT_GT(fit.p, kSignificance) << what << ": " << fit.describe();
    }
    const ChiSquare positions = all.uniformity();
    const ChiSquare pairs = all.consecutivePairs();
    report("quick picks of every count", positions);
    report("consecutive numbers of quick picks", pairs);
    EXPECT_GT(positions.p, kSignificance) << positions.describe();
    EXPECT_GT(pairs.p, kSignificance) << pairs.describe();
}

}  // namespace
}  // namespace ferlow::fairness
