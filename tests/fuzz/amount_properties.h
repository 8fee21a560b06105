// What the bet dialog's amount value must satisfy for any text, checked by the
// fuzzer and by the corpus replay test alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ferlow::fuzz {

// The number the text starts with, worked out independently of the game: blanks
// (space, tab) are removed, the longest prefix of what is left that matches
// [+-]?[0-9]*(\.[0-9]*)? is the leading number, and its value is the correctly
// rounded double of that prefix in the C locale (infinite when it overflows).
// A prefix without a digit is worth 0.
struct LeadingNumber {
    std::string text;  // the matched prefix, blanks removed
    double value = 0;
};
LeadingNumber leadingNumber(std::string_view text);

// ferlow::amountValue(text) is a number (never NaN), never exceeds the leading
// number, and equals it. Returns what went wrong, or nothing.
std::optional<std::string> checkAmountValue(std::string_view text);

}  // namespace ferlow::fuzz
