// The exact odds of the draw: how likely each hit count is for a ticket, and what
// a bet of one credit returns on average. Casino machines never show these.
#pragma once

#include <string>

#include "engine/rules/difficulty.h"

namespace ferlow {

// The chance of exactly `hits` of `spots` picked numbers among `balls` numbers
// drawn from 80 (hypergeometric).
double hitChance(int spots, int hits, int balls);

// What one credit bet on `spots` picks returns on average at a difficulty:
// the bet back plus its prize for every paying hit count, weighted by its chance.
double expectedReturn(Difficulty difficulty, int spots);

// "Chance 1 in 12.4" (or "Chance 1 in 3,258,400" and the like).
std::string chanceText(double chance);

// The table of expected returns by difficulty and picks, as Markdown.
std::string expectedReturnTable();

}  // namespace ferlow
