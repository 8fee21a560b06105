// The fairness tests can fail: the same tallies, sample sizes and threshold, fed
// with draws from a generator known to be good and from draws with the faults a
// keno machine can have. Every faulty draw must fail and the good one pass.
#include "draw_tally.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "engine/rules/odds.h"
#include "report.h"
#include "sample_sizes.h"

namespace ferlow::fairness {
namespace {

enum class Fault {
    None,
    FavouredNumbers,  // positions 0..7 are 5% likelier on each try
    StickyNext,       // one try in a hundred takes the number after the previous ball
};

// Draws distinct positions the way the machine does, one try at a time and again
// when the position is taken, from the standard library's Mersenne twister.
class ReferenceDraw {
public:
    ReferenceDraw(std::uint64_t seed, Fault fault) : gen_(seed), fault_(fault) {}

    std::vector<int> draw(int count)
    {
        std::vector<int> out;
        std::array<bool, kPositions> taken{};
        while (static_cast<int>(out.size()) < count) {
            const int p = tryOnce(out.empty() ? -1 : out.back());
            if (taken[static_cast<std::size_t>(p)]) continue;
            taken[static_cast<std::size_t>(p)] = true;
            out.push_back(p);
        }
        return out;
    }

private:
    int tryOnce(int previous)
    {
        switch (fault_) {
        case Fault::None: break;
        case Fault::FavouredNumbers: return favoured_(gen_);
        case Fault::StickyNext:
            if (previous >= 0 && sticky_(gen_)) return (previous + 1) % kPositions;
            break;
        }
        return uniform_(gen_);
    }

    static std::discrete_distribution<int> favouredDistribution()
    {
        std::vector<double> weights(kPositions, 1.0);
        std::fill(weights.begin(), weights.begin() + 8, 1.05);
        return std::discrete_distribution<int>(weights.begin(), weights.end());
    }

    std::mt19937_64 gen_;
    Fault fault_;
    std::uniform_int_distribution<int> uniform_{0, kPositions - 1};
    std::discrete_distribution<int> favoured_ = favouredDistribution();
    std::bernoulli_distribution sticky_{0.01};
};

DrawTally tallyOfAMillionBalls(Fault fault)
{
    ReferenceDraw source(0xF00DF00D, fault);
    DrawTally tally;
    for (int t = 0; t < kDrawTurns; ++t) tally.add(source.draw(20));
    return tally;
}

TEST(FairnessTestsCanFail, TallyCountsPositionsAndConsecutivePairs)
{
    DrawTally tally;
    tally.add({5, 9, 0});
    tally.add({9, 5});
    EXPECT_EQ(tally.draws(), 2);
    EXPECT_EQ(tally.items(), 5);
    EXPECT_EQ(tally.count(5), 2);
    EXPECT_EQ(tally.count(0), 1);
    EXPECT_EQ(tally.count(1), 0);
    EXPECT_EQ(tally.pairCount(5, 9), 1);
    EXPECT_EQ(tally.pairCount(9, 5), 1);
    EXPECT_EQ(tally.pairCount(9, 0), 1);
    EXPECT_EQ(tally.pairCount(0, 5), 0);  // not consecutive, nor across draws
    EXPECT_THROW(tally.add({3, 3}), std::invalid_argument);
    EXPECT_THROW(tally.add({80}), std::invalid_argument);
}

TEST(FairnessTestsCanFail, AGoodGeneratorPassesAndBiasedDrawsFail)
{
    const DrawTally good = tallyOfAMillionBalls(Fault::None);
    report("reference draw: numbers", good.uniformity());
    report("reference draw: consecutive pairs", good.consecutivePairs());
    EXPECT_GT(good.uniformity().p, kSignificance) << good.uniformity().describe();
    EXPECT_GT(good.consecutivePairs().p, kSignificance) << good.consecutivePairs().describe();

    // One number in ten a twentieth likelier: the pairs need not notice, the
    // positions must.
    const DrawTally favoured = tallyOfAMillionBalls(Fault::FavouredNumbers);
    report("favoured numbers: numbers", favoured.uniformity());
    EXPECT_LT(favoured.uniformity().p, kSignificance) << favoured.uniformity().describe();

    // Every number equally often, but a ball now and then follows its
    // predecessor: only the pairs can tell.
    const DrawTally sticky = tallyOfAMillionBalls(Fault::StickyNext);
    report("sticky next ball: numbers", sticky.uniformity());
    report("sticky next ball: consecutive pairs", sticky.consecutivePairs());
    EXPECT_GT(sticky.uniformity().p, kSignificance) << sticky.uniformity().describe();
    EXPECT_LT(sticky.consecutivePairs().p, kSignificance) << sticky.consecutivePairs().describe();
}

// Hit counts of kHitTurnsPerSpots turns per count of picks, with the picks and
// the balls from the reference generator; `counted` of the `drawn` balls count.
std::vector<ChiSquare> hitFits(int drawn, int counted, int judgedAs)
{
    ReferenceDraw source(0xBADC0FFEE, Fault::None);
    std::vector<ChiSquare> fits;
    for (int spots = 4; spots <= 10; ++spots) {
        std::vector<long long> histogram(static_cast<std::size_t>(spots) + 1, 0);
        for (int t = 0; t < kHitTurnsPerSpots; ++t) {
            const std::vector<int> picks = source.draw(spots);
            const std::vector<int> balls = source.draw(drawn);
            const auto hits = std::count_if(balls.begin(), balls.begin() + counted, [&](int b) {
                return std::find(picks.begin(), picks.end(), b) != picks.end();
            });
            ++histogram[static_cast<std::size_t>(hits)];
        }
        fits.push_back(hitCountFit(histogram, spots, judgedAs));
    }
    return fits;
}

TEST(FairnessTestsCanFail, HitCountsOffTheOddsFail)
{
    for (const ChiSquare& fit : hitFits(20, 20, 20)) EXPECT_GT(fit.p, kSignificance) << fit.describe();
    EXPECT_GT(combined(hitFits(22, 22, 22)).p, kSignificance);

    // 22 balls paid by the odds of 20: all counts of picks together show it, and
    // from six picks on each count alone.
    const std::vector<ChiSquare> moreBalls = hitFits(22, 22, 20);
    report("22 balls judged by the odds of 20", combined(moreBalls));
    EXPECT_LT(combined(moreBalls).p, kSignificance) << combined(moreBalls).describe();
    for (int spots = 6; spots <= 10; ++spots) {
        const ChiSquare& fit = moreBalls[static_cast<std::size_t>(spots - 4)];
        EXPECT_LT(fit.p, kSignificance) << spots << " picks: " << fit.describe();
    }
    // The last ball's hit never counted: too subtle for one count of picks, but
    // not for all of them together.
    const ChiSquare lastUncounted = combined(hitFits(20, 19, 20));
    report("last ball's hit not counted", lastUncounted);
    EXPECT_LT(lastUncounted.p, kSignificance) << lastUncounted.describe();
}

TEST(FairnessTestsCanFail, HitCountFitUsesTheGamesOdds)
{
    // Exactly the expected counts, rounded, fit; the histogram must have a cell
    // for every hit count.
    std::vector<long long> exact;
    for (int h = 0; h <= 6; ++h) exact.push_back(std::llround(1e6 * hitChance(6, h, 22)));
    const ChiSquare fit = hitCountFit(exact, 6, 22);
    EXPECT_LT(fit.statistic, 1e-3);
    EXPECT_GT(hitCountFit(exact, 6, 20).statistic, 1000);
    EXPECT_THROW(hitCountFit({1, 2, 3}, 6, 20), std::invalid_argument);
}

}  // namespace
}  // namespace ferlow::fairness
