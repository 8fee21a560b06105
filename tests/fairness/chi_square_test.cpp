// The chi-square helpers against values known independently: closed forms,
// published critical values, and the Poisson sum that equals the upper tail for
// even degrees of freedom.
#include "chi_square.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>

namespace ferlow::fairness {
namespace {

// For df = 2k: P(χ² ≥ x) = e^(-x/2) Σ_{i<k} (x/2)^i / i!, summed in logarithms.
double poissonTail(int df, double x)
{
    const double m = x / 2;
    double sum = 0;
    for (int i = 0; i < df / 2; ++i) sum += std::exp(i * std::log(m) - m - std::lgamma(i + 1.0));
    return sum;
}

std::vector<long long> samplesOfSize(int size, long long count)
{
    std::vector<long long> v(static_cast<std::size_t>(size) + 1, 0);
    v.back() = count;
    return v;
}

TEST(ChiSquarePValue, ClosedFormsAndPublishedCriticalValues)
{
    for (double x : {0.01, 0.5, 1.0, 3.0, 10.0, 40.0}) {
        EXPECT_NEAR(upperGammaQ(1, x), std::exp(-x), 1e-14 * std::exp(-x) + 1e-300) << x;
        EXPECT_NEAR(chiSquarePValue(x, 2), std::exp(-x / 2), 1e-13 * std::exp(-x / 2)) << x;
        // One degree of freedom: the two tails of a standard normal.
        EXPECT_NEAR(chiSquarePValue(x, 1), std::erfc(std::sqrt(x / 2)), 1e-12) << x;
    }
    // Critical values from the standard tables (to the digits printed there).
    struct Row {
        double x, df, p;
    };
    for (const Row& r : {Row{3.841459, 1, 0.05}, Row{6.634897, 1, 0.01}, Row{10.827566, 1, 0.001},
                         Row{18.307038, 10, 0.05}, Row{23.209251, 10, 0.01}, Row{29.588298, 10, 0.001},
                         Row{124.342113, 100, 0.05}, Row{135.806723, 100, 0.01}, Row{149.449252, 100, 0.001}})
        EXPECT_NEAR(chiSquarePValue(r.x, r.df), r.p, r.p * 1e-5) << "df " << r.df << " x " << r.x;
    EXPECT_EQ(chiSquarePValue(0, 79), 1);
}

TEST(ChiSquarePValue, MatchesThePoissonSumFromTheCentreFarIntoTheTail)
{
    // The degrees of freedom of the checks: 79 positions (80 is the even
    // neighbour), the 6319 pairs (6320), and small hit-count tables.
    for (int df : {2, 4, 8, 80, 6320}) {
        const double sd = std::sqrt(2.0 * df);
        for (double z : {-3.0, -1.0, 0.0, 0.5, 1.0, 2.0, 4.0, 6.0, 8.0}) {
            const double x = df + z * sd;
            if (x <= 0) continue;
            const double exact = poissonTail(df, x);
            EXPECT_NEAR(chiSquarePValue(x, df), exact, 1e-9 * exact + 1e-14) << "df " << df << " x " << x;
        }
    }
}

TEST(ChiSquarePValue, SeriesAndContinuedFractionMeetSmoothly)
{
    // Q(a, x) switches method at x = a + 1; either side must agree with the
    // derivative -x^(a-1) e^(-x) / Γ(a) across the seam.
    for (double a : {0.5, 3.5, 39.5, 3159.5}) {
        const double x = a + 1, h = 1e-6 * x;
        const double slope = -std::exp((a - 1) * std::log(x) - x - std::lgamma(a));
        EXPECT_NEAR(upperGammaQ(a, x - h) - upperGammaQ(a, x + h), -2 * h * slope, 1e-6 * 2 * h * std::fabs(slope))
            << a;
    }
    EXPECT_THROW(upperGammaQ(0, 1), std::invalid_argument);
    EXPECT_THROW(upperGammaQ(1, -1), std::invalid_argument);
}

TEST(ChiSquareTest, StatisticDegreesOfFreedomAndPooling)
{
    const ChiSquare plain = chiSquareTest({10, 20, 30}, {20, 20, 20});
    EXPECT_DOUBLE_EQ(plain.statistic, 10);
    EXPECT_EQ(plain.df, 2);
    EXPECT_NEAR(plain.p, std::exp(-5), 1e-14);

    const ChiSquare perfect = chiSquareTest({5, 5, 5, 5}, {5, 5, 5, 5});
    EXPECT_EQ(perfect.statistic, 0);
    EXPECT_EQ(perfect.p, 1);
    EXPECT_EQ(perfect.df, 3);

    // Cells expecting under 5 join the next ones: {1+2+3}, {50}, {40}; the tail
    // {4+0.5} is still short and joins {40}.
    const ChiSquare pooled = chiSquareTest({0, 4, 1, 52, 38, 6, 0}, {1, 2, 3, 50, 40, 4, 0.5});
    EXPECT_EQ(pooled.cells, 3);
    EXPECT_EQ(pooled.df, 2);
    EXPECT_NEAR(pooled.statistic, 1.0 / 6 + 4.0 / 50 + 0.25 / 44.5, 1e-12);

    EXPECT_DOUBLE_EQ(chiSquareTest({10, 20, 30}, {20, 20, 20}, 5, 0.5).statistic, 5);
    EXPECT_EQ(chiSquareTest({10, 20, 30}, {20, 20, 20}, 5, 1, 1).df, 1);
    const ChiSquare both = combined({plain, pooled});
    EXPECT_DOUBLE_EQ(both.statistic, plain.statistic + pooled.statistic);
    EXPECT_EQ(both.df, 4);
    EXPECT_NEAR(both.p, chiSquarePValue(both.statistic, 4), 1e-15);

    EXPECT_THROW(chiSquareTest({1, 2}, {1, 2, 3}), std::invalid_argument);
    EXPECT_THROW(chiSquareTest({3, 3}, {3, 3}), std::invalid_argument);  // pools into one cell
}

TEST(ChiSquareTest, WithoutReplacementScaleMakesSampledCountsChiSquare)
{
    EXPECT_DOUBLE_EQ(withoutReplacementScale(80, {0, 1000}), 1);  // one at a time: multinomial
    EXPECT_DOUBLE_EQ(withoutReplacementScale(80, samplesOfSize(20, 7)), 79.0 / 60);
    // Half the items in quick picks of 4, half in picks of 10.
    std::vector<long long> mixed(11, 0);
    mixed[4] = 5;
    mixed[10] = 2;
    EXPECT_DOUBLE_EQ(withoutReplacementScale(80, mixed), 40.0 / ((20.0 * 76 + 20.0 * 70) / 79));

    // Draws of 20 distinct of 80 from a good generator: the mean of the scaled
    // statistic over many tallies is the 79 degrees of freedom (its standard
    // error here is 0.63); unscaled it would be 60.
    std::mt19937_64 gen(20240611);
    const std::vector<long long> sizes = samplesOfSize(20, 500);
    const double scale = withoutReplacementScale(80, sizes);
    double total = 0;
    constexpr int kTallies = 400;
    for (int t = 0; t < kTallies; ++t) {
        std::vector<double> counts(80, 0);
        for (int d = 0; d < 500; ++d) {
            std::vector<int> deck(80);
            for (int i = 0; i < 80; ++i) deck[static_cast<std::size_t>(i)] = i;
            for (int i = 0; i < 20; ++i) {
                std::uniform_int_distribution<int> pick(i, 79);
                std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(pick(gen))]);
                ++counts[static_cast<std::size_t>(deck[static_cast<std::size_t>(i)])];
            }
        }
        total += chiSquareTest(counts, std::vector<double>(80, 500.0 * 20 / 80), 5, scale).statistic;
    }
    EXPECT_NEAR(total / kTallies, 79, 2.5);
}

}  // namespace
}  // namespace ferlow::fairness
