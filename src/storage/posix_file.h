// File primitives the high-score file needs and std::filesystem lacks: bounded reads,
// crash-safe replacement and renaming without overwriting. Internal to ferlow_storage.
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

// Writes a temporary file next to `file`, syncs it, renames it over `file` and syncs the
// folder, so after a crash `file` holds either the old or the new bytes. On failure the
// temporary file is removed and `file` is untouched. Creates missing folders.
Outcome replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

struct MovedAside {
    std::filesystem::path to;  // empty when the move failed
    std::string reason;
};

// Renames `file` to "<file>.bad", or "<file>.bad.1", ".bad.2", ... whichever is free.
MovedAside moveAside(const std::filesystem::path& file);

}  // namespace ferlow::storage::detail
