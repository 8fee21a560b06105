// Loading and saving ferlow.ini.
#include "storage/high_score_file.h"

#include "storage/posix_file.h"

#include <exception>
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

LoadResult loadFrom(const fs::path& file)
{
    LoadResult result{defaultHighScores(), LoadStatus::Missing, {}, {}};
    const detail::BoundedRead read = detail::readAtMost(file, kMaxHighScoreFileBytes);
    switch (read.outcome) {
    case detail::BoundedRead::Outcome::Missing:
        return result;
    case detail::BoundedRead::Outcome::Failed:
        result.status = LoadStatus::Unreadable;
        result.error = "Cannot read the high scores from " + quoted(file) + ": " + read.reason + ".";
        return result;
    case detail::BoundedRead::Outcome::Read:
        break;
    }

    const std::string_view bytes = read.truncated ? completeLines(read.bytes) : std::string_view(read.bytes);
    if (auto table = parseHighScores(bytes)) {
        result.table = std::move(*table);
        result.status = LoadStatus::Loaded;
        return result;
    }

    result.status = LoadStatus::Malformed;
    const detail::MovedAside aside = detail::moveAside(file);
    if (aside.to.empty()) {
        result.error = "The high-score file " + quoted(file) + " is damaged and could not be moved aside (" +
                       aside.reason + "); the standard high scores are used.";
    } else {
        result.keptAside = aside.to;
        result.error = "The high-score file " + quoted(file) + " is damaged; it was kept as " + quoted(aside.to) +
                       " and the standard high scores are used.";
    }
    return result;
}

// Saving through a symbolic link updates the file it points to, so a link into, say, a
// synced folder keeps working.
fs::path resolveLink(const fs::path& file)
{
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error)))
        return file;
    fs::path target = fs::canonical(file, error);
    return error ? file : target;
}

}  // namespace

LoadResult loadHighScores(const fs::path& file)
{
    if (file.empty())
        return {defaultHighScores(), LoadStatus::Unreadable, {}, "There is no place to keep the high scores."};
    try {
        return loadFrom(file);
    } catch (const std::exception& e) {
        return {defaultHighScores(), LoadStatus::Unreadable, {},
                "Cannot read the high scores from " + quoted(file) + ": " + e.what() + "."};
    } catch (...) {
        return {defaultHighScores(), LoadStatus::Unreadable, {}, "Cannot read the high scores from " + quoted(file) + "."};
    }
}

SaveResult saveHighScores(const fs::path& file, const HighScoreTable& table)
{
    if (file.empty())
        return {false, "Cannot save the high scores: there is no place to keep them."};
    try {
        const detail::Outcome written = detail::replaceFileAtomically(resolveLink(file), formatHighScores(table));
        if (written.ok)
            return {true, {}};
        return {false, "Cannot save the high scores to " + quoted(file) + ": " + written.reason + "."};
    } catch (const std::exception& e) {
        return {false, "Cannot save the high scores to " + quoted(file) + ": " + e.what() + "."};
    } catch (...) {
        return {false, "Cannot save the high scores to " + quoted(file) + "."};
    }
}

}  // namespace ferlow::storage
