// Tallies of draws and their chi-square tests.
#include "draw_tally.h"

#include <stdexcept>

#include "engine/rules/odds.h"

namespace ferlow::fairness {

void DrawTally::add(const std::vector<int>& positions)
{
    std::array<bool, kPositions> seen{};
    for (int p : positions) {
        if (p < 0 || p >= kPositions) throw std::invalid_argument("position off the board");
        if (seen[static_cast<std::size_t>(p)]) throw std::invalid_argument("a position came twice in one draw");
        seen[static_cast<std::size_t>(p)] = true;
        ++counts_[static_cast<std::size_t>(p)];
    }
    for (std::size_t i = 1; i < positions.size(); ++i)
        ++pairs_[static_cast<std::size_t>(positions[i - 1] * kPositions + positions[i])];
    ++drawsOfSize_[positions.size()];
    ++draws_;
    items_ += static_cast<long long>(positions.size());
}

ChiSquare DrawTally::uniformity() const
{
    std::vector<double> observed(counts_.begin(), counts_.end());
    const std::vector<double> expected(kPositions, static_cast<double>(items_) / kPositions);
    return chiSquareTest(observed, expected, 5, withoutReplacementScale(kPositions, drawsOfSize_));
}

// A draw of n positions holds n - 1 consecutive pairs, all different cells of the
// 80 × 79 off the diagonal, so the same scaling as for the positions applies.
ChiSquare DrawTally::consecutivePairs() const
{
    constexpr int kCells = kPositions * (kPositions - 1);
    std::vector<double> observed;
    observed.reserve(kCells);
    std::vector<long long> drawsOfPairs(kPositions, 0);
    long long pairs = 0;
    for (std::size_t n = 2; n < drawsOfSize_.size(); ++n) {
        drawsOfPairs[n - 1] += drawsOfSize_[n];
        pairs += drawsOfSize_[n] * static_cast<long long>(n - 1);
    }
    for (int a = 0; a < kPositions; ++a)
        for (int b = 0; b < kPositions; ++b)
            if (a != b) observed.push_back(static_cast<double>(pairCount(a, b)));
    const std::vector<double> expected(kCells, static_cast<double>(pairs) / kCells);
    return chiSquareTest(observed, expected, 5, withoutReplacementScale(kCells, drawsOfPairs));
}

ChiSquare hitCountFit(const std::vector<long long>& histogram, int spots, int balls)
{
    if (static_cast<int>(histogram.size()) != spots + 1) throw std::invalid_argument("one cell per hit count 0..spots");
    double turns = 0;
    for (long long n : histogram) turns += static_cast<double>(n);
    std::vector<double> observed, expected;
    for (int h = 0; h <= spots; ++h) {
        observed.push_back(static_cast<double>(histogram[static_cast<std::size_t>(h)]));
        expected.push_back(turns * hitChance(spots, h, balls));
    }
    return chiSquareTest(observed, expected);
}

}  // namespace ferlow::fairness
