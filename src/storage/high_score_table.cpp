// Merging two games' tables.
#include "storage/high_score_table.h"

#include "storage/high_score_format.h"

#include <algorithm>
#include <vector>

namespace ferlow::storage {

HighScoreTable mergeHighScores(const HighScoreTable& onDisk, const HighScoreTable& known, const HighScoreTable& ours)
{
    const auto stored = [](const HighScore& entry) { return HighScore{entry.score, storableName(entry.name)}; };
    std::vector<HighScore> entries;
    for (const HighScore& entry : onDisk) entries.push_back(stored(entry));

    // An entry counts as new only as often as `ours` holds it more often than `known`:
    // two equal scores with the same name are two entries.
    std::vector<HighScore> unmatched;
    for (const HighScore& entry : known) unmatched.push_back(stored(entry));
    for (const HighScore& entry : ours) {
        const HighScore candidate = stored(entry);
        const auto match = std::find(unmatched.begin(), unmatched.end(), candidate);
        if (match != unmatched.end())
            unmatched.erase(match);
        else
            entries.push_back(candidate);
    }

    std::stable_sort(entries.begin(), entries.end(),
                     [](const HighScore& a, const HighScore& b) { return a.score > b.score; });
    HighScoreTable merged;
    std::copy_n(entries.begin(), merged.size(), merged.begin());
    return merged;
}

}  // namespace ferlow::storage
