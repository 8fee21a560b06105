// libFuzzer target: the value of a typed bet amount is the number it starts with.
#include "engine/rules/amount_text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The number, worked out apart from the game: blanks removed, the longest prefix
    // matching [+-]?[0-9]*(\.[0-9]*)?, read by the C library in the C locale; 0
    // without a digit.
    std::string packed;
    for (const char c : text)
        if (c != ' ' && c != '\t') packed += c;
    std::size_t end = packed.starts_with('+') || packed.starts_with('-') ? 1 : 0;
    const auto digitsFrom = [&](std::size_t at) { return packed.find_first_not_of("0123456789", at); };
    end = std::min(digitsFrom(end), packed.size());
    if (end < packed.size() && packed[end] == '.') end = std::min(digitsFrom(end + 1), packed.size());
    const std::string number = packed.substr(0, end);
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    const double expected =
        number.find_first_of("0123456789") == std::string::npos ? 0 : ::strtod_l(number.c_str(), nullptr, c);

    const double value = ferlow::amountValue(text);
    if (value != expected) {  // NaN too
        std::fprintf(stderr, "amount property failed: \"%.100s\" is worth %.17g, not %.17g\n", number.c_str(), value,
                     expected);
        std::abort();
    }
    return 0;
}
