// Counts kept over many draws (or quick picks) of distinct board positions, and
// the chi-square tests on them: every position equally often, every ordered pair
// of consecutive positions equally often, and hit counts as the exact odds say.
#pragma once

#include <array>
#include <vector>

#include "chi_square.h"

namespace ferlow::fairness {

inline constexpr int kPositions = 80;

class DrawTally {
public:
    // One draw: distinct positions 0..79 in the order they came.
    void add(const std::vector<int>& positions);

    long long draws() const { return draws_; }
    long long items() const { return items_; }
    long long count(int position) const { return counts_[static_cast<std::size_t>(position)]; }
    long long pairCount(int first, int second) const
    {
        return pairs_[static_cast<std::size_t>(first * kPositions + second)];
    }

    // Each position as often as any other.
    ChiSquare uniformity() const;
    // Each ordered pair (a, b), a ≠ b, as often as any other as consecutive
    // positions within a draw: what came before says nothing of what comes next.
    ChiSquare consecutivePairs() const;

private:
    std::array<long long, kPositions> counts_{};
    std::vector<long long> pairs_ = std::vector<long long>(kPositions * kPositions, 0);
    std::vector<long long> drawsOfSize_ = std::vector<long long>(kPositions + 1, 0);
    long long draws_ = 0;
    long long items_ = 0;
};

// histogram[h]: how many turns with `spots` picks had h hits among `balls` drawn,
// against the exact hypergeometric chances of the game's odds.
ChiSquare hitCountFit(const std::vector<long long>& histogram, int spots, int balls);

}  // namespace ferlow::fairness
