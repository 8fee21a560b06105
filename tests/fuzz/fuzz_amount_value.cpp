// libFuzzer target: the numeric value of a typed bet amount.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "amount_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto failure = ferlow::fuzz::checkAmountValue(text)) {
        std::fprintf(stderr, "amount property failed: %s\n", failure->c_str());
        std::abort();
    }
    return 0;
}
