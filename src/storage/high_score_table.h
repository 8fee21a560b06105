// The high-score table: five places, highest first, and the table a fresh install starts with.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ferlow::storage {

inline constexpr int kHighScorePlaces = 5;

struct HighScore {
    std::int64_t score = 0;
    std::string name;
    bool operator==(const HighScore&) const = default;
};

using HighScoreTable = std::array<HighScore, kHighScorePlaces>;

HighScoreTable defaultHighScores();

}  // namespace ferlow::storage
