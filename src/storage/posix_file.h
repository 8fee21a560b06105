// File primitives the high-score file needs and std::filesystem lacks: bounded reads,
// crash-safe replacement, renaming without overwriting, and a lock between games.
// Internal to ferlow_storage.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ferlow::storage::detail {

// Text for an errno value, safe to call from any thread.
std::string describeError(int error);

struct BoundedRead {
    enum class Outcome { Read, Missing, Failed };
    Outcome outcome = Outcome::Failed;
    std::string bytes;
    bool truncated = false;  // the file holds more than the limit
    std::string reason;      // when Failed
};

// Reads at most `limit` bytes. Never blocks on a FIFO and refuses anything that is not
// a regular file.
BoundedRead readAtMost(const std::filesystem::path& file, std::size_t limit);

struct Outcome {
    bool ok = false;
    std::string reason;  // when not ok: what failed and why, naming the path involved
};

// Creates the folder of `file` and the folders above it where missing.
Outcome createFolderOf(const std::filesystem::path& file);

// Empty when nothing stands at `file`, or a regular file does; otherwise why it must not
// be replaced.
std::string whyNotARegularFile(const std::filesystem::path& file);

// Empty when nothing stands at `file`, or a file this user may write; otherwise why not.
// Root may write anything, so the write permission bits decide for root as well: a file
// nobody may write (0444) stays as it is.
std::string whyNotWritable(const std::filesystem::path& file);

// Writes a temporary file next to `file`, syncs it, renames it over `file` and syncs the
// folder, so after a crash `file` holds either the old or the new bytes. On failure the
// temporary file is removed and `file` is untouched. The folder must exist.
Outcome replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// An exclusive lock between games on `file`, held from reading the file to replacing
// it: a hidden lock file beside it, locked with flock(). The lock file is removed on
// release; one left by a game that was killed is simply locked again. A lock held by
// another game is waited for, but not for ever.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& file);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool held() const { return fd_ >= 0; }
    const std::string& reason() const { return reason_; }  // why not held

private:
    std::filesystem::path path_;
    int fd_ = -1;
    std::string reason_;
};

struct MovedAside {
    std::filesystem::path to;  // empty when the move failed
    std::string reason;
};

// Renames `file` to "<file>.bad", or "<file>.bad.1", ".bad.2", ... whichever is free.
MovedAside moveAside(const std::filesystem::path& file);

}  // namespace ferlow::storage::detail
