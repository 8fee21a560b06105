// libFuzzer target: whatever bytes read as a table, that table is highest first, and
// the program writes it so that it reads back the same.
#include "storage/high_score_format.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ferlow::storage;
    const auto read = parseHighScores({reinterpret_cast<const char*>(data), size});
    const auto highestFirst = [](auto& a, auto& b) { return a.score > b.score; };
    if (read && (!std::is_sorted(read->begin(), read->end(), highestFirst) ||
                 parseHighScores(formatHighScores(*read)) != read)) {
        std::fprintf(stderr, "high-score property failed: the table is not highest first or does not read back\n");
        std::abort();
    }
    return 0;
}
