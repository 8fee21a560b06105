// Tests for merging two games' tables: what one game saves must never drop a score
// another game saved since the first one last read or wrote the file.
#include "storage/high_score_table.h"
#include "support/tables.h"

#include <gtest/gtest.h>

namespace ferlow::storage {
namespace {

// What both games read at start.
const HighScoreTable kRead{{{900, "Ada"}, {800, "Bea"}, {700, "Cid"}, {600, "Dot"}, {500, "Eve"}}};

TEST(HighScoreMerge, NewEntriesGoIntoWhatIsOnDiskAndNothingSavedElsewhereIsLost)
{
    const HighScoreTable otherSaved{{{900, "Ada"}, {800, "Bea"}, {750, "Oth"}, {700, "Cid"}, {600, "Dot"}}};
    const HighScoreTable oursWith760{{{900, "Ada"}, {800, "Bea"}, {760, "Us"}, {700, "Cid"}, {600, "Dot"}}};
    const HighScoreTable oursWith750{{{900, "Ada"}, {800, "Bea"}, {750, "Us"}, {700, "Cid"}, {600, "Dot"}}};
    const struct {
        const char* what;
        HighScoreTable onDisk, known, ours, expected;
    } cases[] = {
        {"nothing new: a stale copy leaves the disk's table", otherSaved, kRead, kRead, otherSaved},
        {"a new entry takes its place",
         kRead,
         kRead,
         oursWith760,
         {{{900, "Ada"}, {800, "Bea"}, {760, "Us"}, {700, "Cid"}, {600, "Dot"}}}},
        {"both games' new entries are kept",
         otherSaved,
         kRead,
         oursWith760,
         {{{900, "Ada"}, {800, "Bea"}, {760, "Us"}, {750, "Oth"}, {700, "Cid"}}}},
        {"of equal scores the one on disk comes first",
         otherSaved,
         kRead,
         oursWith750,
         {{{900, "Ada"}, {800, "Bea"}, {750, "Oth"}, {750, "Us"}, {700, "Cid"}}}},
        {"an entry saved before is not new again", otherSaved, oursWith760, oursWith760, otherSaved},
        {"a reset by the other game stays: known entries do not come back", test::standardTable(), kRead, kRead,
         test::standardTable()},
        {"an equal score with an equal name is a second entry",
         kRead,
         kRead,
         {{{900, "Ada"}, {800, "Bea"}, {700, "Cid"}, {600, "Dot"}, {600, "Dot"}}},
         {{{900, "Ada"}, {800, "Bea"}, {700, "Cid"}, {600, "Dot"}, {600, "Dot"}}}},
        {"names are compared as the file stores them",
         kRead,
         {{{900, " Ada "}, {800, "Be,a"}, {700, "Cid"}, {600, "Dot"}, {500, "Eve"}}},
         kRead,
         kRead},
        {"scores beyond 2^53 keep every digit",
         kRead,
         kRead,
         {{{9007199254740993, "Big"}, {900, "Ada"}, {800, "Bea"}, {700, "Cid"}, {600, "Dot"}}},
         {{{9007199254740993, "Big"}, {900, "Ada"}, {800, "Bea"}, {700, "Cid"}, {600, "Dot"}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(mergeHighScores(c.onDisk, c.known, c.ours), c.expected);
    }
}

}  // namespace
}  // namespace ferlow::storage
