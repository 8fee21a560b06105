// What reading and writing ferlow.ini must satisfy for any bytes, checked by the
// fuzzers and by the corpus replay test alike. Each check returns what went
// wrong, or nothing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ferlow::fuzz {

// If the bytes parse, the table they give is ordered highest first, holds only
// storable names, formats to five CR LF lines, and reads back identical from
// what the program writes: parse(format(parse(x))) == parse(x).
std::optional<std::string> checkParseRoundTrip(std::string_view bytes);

// Any table the program may be asked to save (here: scores and names cut from
// the bytes) is written so that it reads back as the same table, names as they
// would be stored, highest first.
std::optional<std::string> checkAnyTableReadsBack(std::string_view bytes);

// Loading the bytes from a file in `folder` (empty apart from it) agrees with
// parsing them: a table that parses is loaded and the file left as it was; one
// that does not is kept aside whole as "ferlow.ini.bad" and the standard table
// is used. A loaded table saved again loads again the same. The folder is
// emptied afterwards.
std::optional<std::string> checkLoadFromFile(std::string_view bytes, const std::filesystem::path& folder);

}  // namespace ferlow::fuzz
