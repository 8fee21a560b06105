// Pearson's chi-square test for the fairness checks: the statistic of observed
// against expected counts, and its upper-tail probability from the regularized
// incomplete gamma function.
#pragma once

#include <string>
#include <vector>

namespace ferlow::fairness {

// Regularized upper incomplete gamma Q(a, x) = Γ(a, x) / Γ(a), for a > 0, x >= 0.
double upperGammaQ(double a, double x);

// The chance that a chi-square variable with `df` degrees of freedom is at least
// `statistic`.
double chiSquarePValue(double statistic, double df);

struct ChiSquare {
    double statistic = 0;
    int df = 0;
    double p = 1;
    int cells = 0;  // after pooling

    std::string describe() const;  // "chi2 = 81.2, df = 79, p = 0.41"
};

// Σ (observed - expected)² / expected over the cells, with df = cells - 1 -
// `fittedParameters`. Cells expecting fewer than `minExpected` are pooled with
// their neighbours in order (the tails of a hit-count histogram), so that the
// chi-square approximation holds. `scale` multiplies the statistic before the
// p-value is taken: counts from samples drawn without replacement vary less than
// multinomial ones and need it (see withoutReplacementScale).
ChiSquare chiSquareTest(const std::vector<double>& observed, const std::vector<double>& expected,
                        double minExpected = 5, double scale = 1, int fittedParameters = 0);

// Independent tests taken together: the statistics and the degrees of freedom
// add up.
ChiSquare combined(const std::vector<ChiSquare>& parts);

// How much a chi-square statistic over `categories` cells must be scaled when each
// sample is `drawn` distinct categories at once (a draw of 20 balls, a quick pick
// of 7 numbers) rather than one. The counts' covariance is that of a multinomial
// times (N - n) / (N - 1); averaged over samples of mixed sizes, weighted by size.
double withoutReplacementScale(int categories, const std::vector<long long>& samplesOfSize);

}  // namespace ferlow::fairness
