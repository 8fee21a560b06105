// The BENCH lines and the percentiles the benchmarks report.
#include "report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ferlow::bench {

bool report(const Figure& f)
{
    const bool met = f.goal == Goal::None || (f.goal == Goal::AtMost ? f.value <= f.target : f.value >= f.target);
    char target[64] = "-";
    if (f.goal != Goal::None)
        std::snprintf(target, sizeof target, "%s %g %s", f.goal == Goal::AtMost ? "<=" : ">=", f.target,
                      f.unit.c_str());
    std::printf("BENCH\t%s\t%.6g\t%s\t%s\t%s\n", f.what.c_str(), f.value, f.unit.c_str(), target,
                f.goal == Goal::None ? "info"
                : met                ? "PASS"
                                     : "MISS");
    std::fflush(stdout);
    return met;
}

double percentile(std::vector<double> values, double q)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(q / 100 * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

}  // namespace ferlow::bench
