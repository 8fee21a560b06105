// How every benchmark prints a figure: one tab-separated "BENCH" line that
// run.sh gathers into its table, with the target and whether it was met.
#pragma once

#include <string>
#include <vector>

namespace ferlow::bench {

enum class Goal { None, AtMost, AtLeast };

struct Figure {
    std::string what;  // "pace p99 (ball painted after its second)"
    double value = 0;
    std::string unit;  // "ms", "games/s", ...
    Goal goal = Goal::None;
    double target = 0;
};

// Prints the figure; true when it meets its target or has none.
bool report(const Figure& figure);

// The nearest-rank percentile (0 < q <= 100) of `values`; 0 for none.
double percentile(std::vector<double> values, double q);

}  // namespace ferlow::bench
