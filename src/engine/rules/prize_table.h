// What each hit count pays, by number of picks and difficulty.
#pragma once

#include <array>
#include <string>

#include "engine/rules/keno.h"

namespace ferlow {

using PrizeFactors = std::array<double, kMaxPicks + 1>;  // by hit count 0..10

// The undivided prize of `hits` hits on a ticket of `spots` picks (4..10, hits
// 2..spots); 0 elsewhere.
int basePrize(int spots, int hits);

// Rebuilds `table` and `average` for `spots` picks. With fewer than four picks,
// or more than ten, nothing is written. Entries above `spots` keep what an
// earlier build left.
void buildPrizeTable(int spots, int prizeDivisor, double difficultyFactor, PrizeFactors& table, double& average);

// A prize window row: " 3 Out of 10  1,500".
std::string prizeRowText(int hits, int spots, double prize);

}  // namespace ferlow
