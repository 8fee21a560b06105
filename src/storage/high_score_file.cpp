// Loading and saving ferlow.ini.
#include "storage/high_score_file.h"

#include "storage/posix_file.h"

#include <exception>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace ferlow::storage {
namespace {

// Appending instead of "literal" + string avoids a false -Wrestrict warning in GCC 12 at -O2.
std::string quoted(const fs::path& path)
{
    std::string text(1, '"');
    text += path.string();
    text += '"';
    return text;
}

// A file longer than the limit is judged by the lines that were read whole; a fifth
// line cut off by the limit must not pass for a complete one.
std::string_view completeLines(std::string_view bytes)
{
    const auto lastLineEnd = bytes.rfind('\n');
    return lastLineEnd == std::string_view::npos ? std::string_view{} : bytes.substr(0, lastLineEnd + 1);
}

// The file a load reads and a save writes: the file itself, or the one a symbolic link
// leads to, so a link into, say, a synced folder keeps working. A link that leads
// nowhere (into a folder not mounted yet, or round in a loop) is never replaced by a
// plain file: `refusal` says why.
struct Target {
    fs::path path;
    std::string refusal;
};

Target targetOf(const fs::path& file)
{
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error))) return {file, {}};
    fs::path target = fs::canonical(file, error);
    if (!error) return {target, {}};
    if (error == std::errc::too_many_symbolic_link_levels)
        return {{}, "it is a symbolic link that leads round in a loop; the link is kept as it is"};
    std::error_code unreadable;
    return {{},
            "it is a symbolic link to " + quoted(fs::read_symlink(file, unreadable)) + ", which cannot be reached (" +
                error.message() + "); the link is kept as it is"};
}

// What stands at the file's place: five scores, nothing, a damaged file (moved aside,
// or why it could not be) or a file that cannot be read (and why).
struct OnDisk {
    LoadStatus status = LoadStatus::Missing;
    HighScoreTable table;  // the standard table unless the file holds one
    fs::path keptAside;
    std::string reason;
};

OnDisk readOnDisk(const fs::path& file, const HighScoreTable& standard)
{
    OnDisk disk;
    disk.table = standard;
    const detail::BoundedRead read = detail::readAtMost(file, kMaxHighScoreFileBytes);
    switch (read.outcome) {
    case detail::BoundedRead::Outcome::Missing: return disk;
    case detail::BoundedRead::Outcome::Failed:
        disk.status = LoadStatus::Unreadable;
        disk.reason = read.reason;
        return disk;
    case detail::BoundedRead::Outcome::Read: break;
    }

    const std::string_view bytes = read.truncated ? completeLines(read.bytes) : std::string_view(read.bytes);
    if (auto table = parseHighScores(bytes)) {
        disk.table = std::move(*table);
        disk.status = LoadStatus::Loaded;
        return disk;
    }
    disk.status = LoadStatus::Malformed;
    const detail::MovedAside aside = detail::moveAside(file);
    disk.keptAside = aside.to;
    disk.reason = aside.reason;
    return disk;
}

LoadResult loadFrom(const fs::path& file, const HighScoreTable& standard)
{
    const Target target = targetOf(file);
    const fs::path& source = target.refusal.empty() ? target.path : file;
    // A save by another game must not come between reading a damaged file and moving it
    // aside. A folder this game may not write is still read, without the lock.
    std::optional<detail::FileLock> lock;
    if (target.refusal.empty()) lock.emplace(source);
    const OnDisk disk = readOnDisk(source, standard);

    LoadResult result{disk.table, disk.status, disk.keptAside, {}};
    if (disk.status == LoadStatus::Unreadable) {
        result.error = "Cannot read the high scores from " + quoted(file) + ": " + disk.reason +
                       ". The standard high scores are used, and the file is left as it is.";
    } else if (disk.status == LoadStatus::Malformed && disk.keptAside.empty()) {
        result.error = "The high-score file " + quoted(file) + " is damaged and could not be moved aside (" +
                       disk.reason + "); the standard high scores are used.";
    } else if (disk.status == LoadStatus::Malformed) {
        result.error = "The high-score file " + quoted(file) + " is damaged; it was kept as " + quoted(disk.keptAside) +
                       " and the standard high scores are used.";
    }
    return result;
}

// Writes `table`, or with `known` this game's new entries merged into what the file
// holds now; under the lock between games from the reading to the writing.
SaveResult saveTo(const fs::path& file, const HighScoreTable& table, const HighScoreTable* known)
{
    const auto failed = [&](const std::string& why) {
        return SaveResult{false, "Cannot save the high scores to " + quoted(file) + ": " + why + ".", {}, {}};
    };
    const Target target = targetOf(file);
    if (!target.refusal.empty()) return failed(target.refusal);
    if (const detail::Outcome folder = detail::createFolderOf(target.path); !folder.ok) return failed(folder.reason);
    const detail::FileLock lock(target.path);
    if (!lock.held()) return failed(lock.reason());
    // Checked before reading: opening a device can have effects of its own.
    if (const std::string why = detail::whyNotARegularFile(target.path); !why.empty()) return failed(why);

    // What stands there is read first: a file that cannot be read holds scores the
    // save would wipe out, and a damaged one is kept aside as a load keeps it.
    SaveResult result{true, {}, table, {}};
    const OnDisk disk = readOnDisk(target.path, table);
    switch (disk.status) {
    case LoadStatus::Unreadable:
        return failed("the file there cannot be read (" + disk.reason +
                      "), and saving would replace the scores it holds");
    case LoadStatus::Malformed:
        if (disk.keptAside.empty())
            return failed("the file there is damaged and could not be moved aside (" + disk.reason + ")");
        result.notice =
            "The high-score file " + quoted(file) + " was damaged; it was kept as " + quoted(disk.keptAside) + ".";
        break;
    case LoadStatus::Loaded:
        if (known) result.table = mergeHighScores(disk.table, *known, table);
        break;
    case LoadStatus::Missing: break;
    }
    if (const std::string why = detail::whyNotWritable(target.path); !why.empty()) return failed(why);

    for (HighScore& entry : result.table) entry.name = storableName(entry.name);
    const detail::Outcome written = detail::replaceFileAtomically(target.path, formatHighScores(result.table));
    if (!written.ok) return failed(written.reason);
    return result;
}

SaveResult guardedSave(const fs::path& file, const HighScoreTable& table, const HighScoreTable* known)
{
    if (file.empty()) return {false, "Cannot save the high scores: there is no place to keep them.", {}, {}};
    try {
        return saveTo(file, table, known);
    } catch (const std::exception& e) {
        return {false, "Cannot save the high scores to " + quoted(file) + ": " + e.what() + ".", {}, {}};
    } catch (...) {
        return {false, "Cannot save the high scores to " + quoted(file) + ".", {}, {}};
    }
}

}  // namespace

LoadResult loadHighScores(const fs::path& file, const HighScoreTable& standard)
{
    if (file.empty()) return {standard, LoadStatus::Unreadable, {}, "There is no place to keep the high scores."};
    try {
        return loadFrom(file, standard);
    } catch (const std::exception& e) {
        return {standard,
                LoadStatus::Unreadable,
                {},
                "Cannot read the high scores from " + quoted(file) + ": " + e.what() + "."};
    } catch (...) {
        return {standard, LoadStatus::Unreadable, {}, "Cannot read the high scores from " + quoted(file) + "."};
    }
}

SaveResult saveHighScores(const fs::path& file, const HighScoreTable& table)
{
    return guardedSave(file, table, nullptr);
}

LoadResult HighScoreStore::load()
{
    LoadResult loaded = loadHighScores(file_, standard_);
    known_ = loaded.table;
    return loaded;
}

SaveResult HighScoreStore::save(const HighScoreTable& table, SaveMode mode)
{
    SaveResult saved = guardedSave(file_, table, mode == SaveMode::Merge ? &known_ : nullptr);
    if (saved.ok) known_ = saved.table;
    return saved;
}

}  // namespace ferlow::storage
