// The game's standard high-score table in the storage layer's own type, for the
// tests of the high-score file.
#pragma once

#include "engine/rules/high_score_table.h"
#include "storage/high_score_table.h"

namespace ferlow::test {

inline storage::HighScoreTable toStorage(const StoredHighScores& table)
{
    storage::HighScoreTable stored;
    for (std::size_t i = 0; i < stored.size(); ++i) stored[i] = {table[i].score, table[i].name};
    return stored;
}

inline StoredHighScores toEngine(const storage::HighScoreTable& table)
{
    StoredHighScores stored;
    for (std::size_t i = 0; i < stored.size(); ++i) stored[i] = {table[i].score, table[i].name};
    return stored;
}

inline storage::HighScoreTable standardTable() { return toStorage(standardHighScores()); }

}  // namespace ferlow::test
