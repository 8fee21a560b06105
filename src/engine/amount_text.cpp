#include "engine/amount_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace ferlow {

double amountValue(std::string_view text)
{
    std::string number;
    bool digits = false, point = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t') continue;
        if ((c == '-' || c == '+') && number.empty()) {
            number += c;
        } else if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
        // A long run of digits is still one number; keep the text bounded.
        if (number.size() > 400) break;
    }
    if (!digits) return 0;
    // from_chars reads a decimal point whatever the desktop's language, and
    // takes no leading '+'.
    const char* first = number.data();
    const char* last = number.data() + number.size();
    bool negative = false;
    if (*first == '+' || *first == '-') negative = *first++ == '-';
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) value = HUGE_VAL;
    (void)end;
    return negative ? -value : value;
}

}  // namespace ferlow
