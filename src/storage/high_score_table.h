// The high-score table: five places, highest first, and how two games' tables come
// together.
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

// What a save writes when another game may have saved since this one last read or
// wrote the file (`known`): the table now on disk with this game's new entries (those in
// `ours` that are not in `known`) merged in, highest first, five places. An entry of
// the disk goes before a new one of the same score. Names are compared as the file
// stores them.
HighScoreTable mergeHighScores(const HighScoreTable& onDisk, const HighScoreTable& known, const HighScoreTable& ours);

}  // namespace ferlow::storage
