// The table of the five high scores, as it is stored, and the standard table a
// fresh install starts with and Reset High Scores puts back.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ferlow {

inline constexpr int kHighScorePlaces = 5;

struct StoredHighScore {
    std::int64_t score = 0;  // whole, of any size the file can hold
    std::string name;
    bool operator==(const StoredHighScore&) const = default;
};
using StoredHighScores = std::array<StoredHighScore, kHighScorePlaces>;  // place 1 first

inline constexpr const char* kStandardName = "Ferlow";

inline StoredHighScores standardHighScores()
{
    return {{{5000, kStandardName},
             {2000, kStandardName},
             {1000, kStandardName},
             {750, kStandardName},
             {400, kStandardName}}};
}

}  // namespace ferlow
