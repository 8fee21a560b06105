// The line format of ferlow.ini: " <score> <name>\r\n", five times.
#include "storage/high_score_format.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace ferlow::storage {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// A comma or quote would end the name early on reading; control characters break lines.
// Bytes from 0x80 up are kept, so a name typed in any 8-bit or UTF-8 text survives.
bool canCarry(char c) { return c != ',' && c != '"' && !isControl(c); }

std::size_t skipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && isBlank(text[at])) ++at;
    return at;
}

std::optional<HighScore> parseLine(std::string_view line)
{
    // NUL and other control bytes mean the file is binary garbage, not a damaged name.
    if (std::any_of(line.begin(), line.end(), [](char c) { return isControl(c) && c != '\t'; })) return std::nullopt;

    std::size_t at = skipBlanks(line, 0);
    const std::size_t signAt = at;
    if (at < line.size() && (line[at] == '-' || line[at] == '+')) ++at;
    const std::size_t digitsAt = at;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') ++at;
    if (at == digitsAt) return std::nullopt;
    if (at < line.size() && !isBlank(line[at]) && line[at] != ',')
        return std::nullopt;  // "12.5", "12abc": not a whole number

    // from_chars takes a minus sign but not a plus sign.
    const std::size_t numberAt = line[signAt] == '-' ? signAt : digitsAt;
    HighScore entry;
    const char* first = line.data() + numberAt;
    const char* last = line.data() + at;
    const auto [end, error] = std::from_chars(first, last, entry.score);
    if (error != std::errc{} || end != last) return std::nullopt;  // beyond the int64 range

    // A hand-edited "5000, Name" or "5000 , Name" uses the comma as the separator.
    at = skipBlanks(line, at);
    if (at < line.size() && line[at] == ',') at = skipBlanks(line, at + 1);
    std::string_view name = line.substr(at);
    name = name.substr(0, name.find(','));
    entry.name = storableName(name);
    return entry;
}

}  // namespace

std::string storableName(std::string_view name)
{
    std::string kept;
    kept.reserve(name.size());
    std::copy_if(name.begin(), name.end(), std::back_inserter(kept), canCarry);
    const auto first = kept.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = kept.find_last_not_of(' ');
    return kept.substr(first, last - first + 1);
}

std::string formatHighScores(const HighScoreTable& table)
{
    std::string bytes;
    for (const HighScore& entry : table) {
        char digits[24];
        const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), entry.score);
        (void)error;  // 24 bytes hold any int64 with its sign
        if (entry.score >= 0) bytes += ' ';
        bytes.append(digits, end);
        bytes += ' ';
        bytes += storableName(entry.name);
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<HighScoreTable> parseHighScores(std::string_view bytes)
{
    // Tolerate a UTF-8 byte order mark left by a text editor.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);

    HighScoreTable table;
    for (HighScore& entry : table) {
        if (bytes.empty()) return std::nullopt;
        const auto lineEnd = bytes.find('\n');
        std::string_view line = bytes.substr(0, lineEnd);
        bytes.remove_prefix(lineEnd == std::string_view::npos ? bytes.size() : lineEnd + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        auto parsed = parseLine(line);
        if (!parsed) return std::nullopt;
        entry = std::move(*parsed);
    }
    std::stable_sort(table.begin(), table.end(),
                     [](const HighScore& a, const HighScore& b) { return a.score > b.score; });
    return table;
}

}  // namespace ferlow::storage
