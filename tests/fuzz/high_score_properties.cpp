// Checks of the high-score file's reader and writer against each other.
#include "high_score_properties.h"
#include "support/tables.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>
#include <vector>

#include "storage/high_score_file.h"

namespace fs = std::filesystem;

namespace ferlow::fuzz {
namespace {

std::string describe(const storage::HighScoreTable& table)
{
    std::ostringstream out;
    for (const auto& entry : table) out << "[" << entry.score << " \"" << entry.name << "\"] ";
    return out.str();
}

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeAll(const fs::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::vector<std::string> entriesOf(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void emptyFolder(const fs::path& folder)
{
    std::error_code error;
    for (const std::string& name : entriesOf(folder)) fs::remove_all(folder / name, error);
}

}  // namespace

std::optional<std::string> checkParseRoundTrip(std::string_view bytes)
{
    const auto parsed = storage::parseHighScores(bytes);
    if (!parsed) return std::nullopt;
    const storage::HighScoreTable& table = *parsed;

    for (std::size_t i = 1; i < table.size(); ++i)
        if (table[i - 1].score < table[i].score) return "parsed table is not highest first: " + describe(table);
    for (const auto& entry : table)
        if (storage::storableName(entry.name) != entry.name)
            return "parsed name \"" + entry.name + "\" is not as it would be stored";

    const std::string written = storage::formatHighScores(table);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = written.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
    if (lines != 5 || !written.ends_with("\r\n") || std::count(written.begin(), written.end(), '\n') != 5)
        return "the written table is not five CR LF lines:\n" + written;

    const auto reread = storage::parseHighScores(written);
    if (!reread) return "the program's own file does not read back:\n" + written;
    if (*reread != table) return "read back differs: wrote " + describe(table) + "read " + describe(*reread);
    if (storage::formatHighScores(*reread) != written) return "writing the re-read table changes the file";
    return std::nullopt;
}

std::optional<std::string> checkAnyTableReadsBack(std::string_view bytes)
{
    // Five scores from the first 40 bytes, then five names separated by 0xFF.
    storage::HighScoreTable table;
    for (auto& entry : table) {
        std::uint64_t raw = 0;
        const std::size_t n = std::min<std::size_t>(8, bytes.size());
        std::memcpy(&raw, bytes.data(), n);
        bytes.remove_prefix(n);
        entry.score = static_cast<std::int64_t>(raw);
    }
    for (auto& entry : table) {
        const auto cut = bytes.find('\xFF');
        entry.name = std::string(bytes.substr(0, cut));
        bytes.remove_prefix(cut == std::string_view::npos ? bytes.size() : cut + 1);
    }

    storage::HighScoreTable expected = table;
    for (auto& entry : expected) entry.name = storage::storableName(entry.name);
    std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) { return a.score > b.score; });

    const std::string written = storage::formatHighScores(table);
    const auto reread = storage::parseHighScores(written);
    if (!reread) return "a table the program writes does not read back: " + describe(table) + "\n" + written;
    if (*reread != expected) return "table " + describe(table) + "reads back as " + describe(*reread);
    return std::nullopt;
}

std::optional<std::string> checkLoadFromFile(std::string_view bytes, const fs::path& folder)
{
    struct Emptied {
        const fs::path& folder;
        ~Emptied() { emptyFolder(folder); }
    } emptied{folder};

    // Longer files are judged by their first bytes only; the storage tests cover them.
    if (bytes.size() > storage::kMaxHighScoreFileBytes) return std::nullopt;
    const fs::path file = folder / "ferlow.ini";
    if (!writeAll(file, bytes)) return "cannot write the test file " + file.string();
    const auto parsed = storage::parseHighScores(bytes);
    const storage::LoadResult loaded = storage::loadHighScores(file, test::standardTable());

    if (parsed) {
        if (loaded.status != storage::LoadStatus::Loaded) return "a file that parses did not load: " + loaded.error;
        if (loaded.table != *parsed) return "loaded " + describe(loaded.table) + "parsed " + describe(*parsed);
        if (readAll(file) != bytes) return "loading changed the file";
        if (entriesOf(folder) != std::vector<std::string>{"ferlow.ini"}) return "loading left other files";

        const storage::SaveResult saved = storage::saveHighScores(file, loaded.table);
        if (!saved.ok) return "saving the loaded table failed: " + saved.error;
        const storage::LoadResult again = storage::loadHighScores(file, test::standardTable());
        if (again.status != storage::LoadStatus::Loaded || again.table != loaded.table)
            return "saved table loads as " + describe(again.table);
        if (entriesOf(folder) != std::vector<std::string>{"ferlow.ini"}) return "saving left other files";
        return std::nullopt;
    }

    if (loaded.status != storage::LoadStatus::Malformed)
        return "a file that does not parse was not judged damaged: " + loaded.error;
    if (loaded.table != test::standardTable()) return "a damaged file gave " + describe(loaded.table);
    if (loaded.keptAside != folder / "ferlow.ini.bad") return "kept aside as " + loaded.keptAside.string();
    if (entriesOf(folder) != std::vector<std::string>{"ferlow.ini.bad"})
        return "after keeping a damaged file aside the folder holds something else";
    if (readAll(loaded.keptAside) != bytes) return "the copy kept aside differs from the damaged file";
    return std::nullopt;
}

}  // namespace ferlow::fuzz
