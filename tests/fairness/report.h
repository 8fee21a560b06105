// Prints a fairness statistic in the test log and records it in the test's
// XML report, so every run shows how close the machine came to failing.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>

#include "chi_square.h"

namespace ferlow::fairness {

inline void report(const char* what, const ChiSquare& result)
{
    std::printf("[fairness] %-44s %s\n", what, result.describe().c_str());
    ::testing::Test::RecordProperty(what, result.describe());
}

}  // namespace ferlow::fairness
