// libFuzzer target: the high-score file's parser and writer, in memory.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "high_score_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& failure :
         {ferlow::fuzz::checkParseRoundTrip(bytes), ferlow::fuzz::checkAnyTableReadsBack(bytes)}) {
        if (failure) {
            std::fprintf(stderr, "high-score property failed: %s\n", failure->c_str());
            std::abort();
        }
    }
    return 0;
}
