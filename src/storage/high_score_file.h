// Loading and saving ferlow.ini, the file that keeps the five high scores.
#pragma once

#include "storage/high_score_format.h"
#include "storage/high_score_path.h"
#include "storage/high_score_table.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace ferlow::storage {

// Only this much of the file is read; five lines of scores need far less.
inline constexpr std::size_t kMaxHighScoreFileBytes = 64 * 1024;

enum class LoadStatus {
    Loaded,      // the table comes from the file
    Missing,     // no file yet: the standard table (the game's, given to the load)
    Malformed,   // damaged file, kept aside (see keptAside): the standard table
    Unreadable,  // the file could not be read and was left alone: the standard table
};

struct LoadResult {
    HighScoreTable table;
    LoadStatus status = LoadStatus::Missing;
    std::filesystem::path keptAside;  // where a damaged file was moved to
    std::string error;                // a sentence for the player when Malformed or Unreadable
};

// Never writes the file. A damaged file is renamed to "ferlow.ini.bad" (or ".bad.1", ...)
// so that the next save cannot wipe out scores someone may still want to recover.
// `standard` is the table the game plays with when the file holds none.
LoadResult loadHighScores(const std::filesystem::path& file, const HighScoreTable& standard);

struct SaveResult {
    bool ok = false;
    std::string error;     // a sentence for the player when not ok
    HighScoreTable table;  // when ok: what the file holds now, names as stored
    std::string notice;    // when ok: a sentence for the player, should a damaged file have been kept aside
};

// Replaces the file atomically with `table`, creating its folder if needed. A save
// interrupted at any point leaves either the old or the new file, whole. Never writes
// over what it must not: a file it cannot read (its scores would be lost), a read-only
// file, anything but a regular file, or a symbolic link that leads nowhere; the save
// fails instead. Through a link to a regular file it updates that file and keeps the
// link. Never throws.
SaveResult saveHighScores(const std::filesystem::path& file, const HighScoreTable& table);

enum class SaveMode {
    Merge,    // this game's new entries go into what the file holds now
    Replace,  // the file gets this game's table as it is (after the player's reset)
};

// One game's connection to ferlow.ini. It remembers the table it last read or wrote, so
// that a save can tell this game's new entries from the scores another game running at
// the same time saved meanwhile, and keep both. Reading, merging and writing happen
// under a lock between games.
class HighScoreStore {
public:
    // `standard`: the game's table for a file that holds none.
    HighScoreStore(std::filesystem::path file, const HighScoreTable& standard)
        : file_(std::move(file)), standard_(standard), known_(standard)
    {}

    const std::filesystem::path& file() const { return file_; }
    LoadResult load();
    SaveResult save(const HighScoreTable& table, SaveMode mode);

private:
    std::filesystem::path file_;
    HighScoreTable standard_;
    HighScoreTable known_;
};

}  // namespace ferlow::storage
