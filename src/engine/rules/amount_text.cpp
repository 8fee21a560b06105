#include "engine/rules/amount_text.h"

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
    }
    if (!digits) return 0;
    // from_chars reads a decimal point whatever the desktop's language, and
    // takes no leading '+'.
    const char* first = number.data();
    const char* last = number.data() + number.size();
    bool negative = false;
    if (*first == '+' || *first == '-') negative = *first++ == '-';
    double value = 0;
    if (std::from_chars(first, last, value, std::chars_format::fixed).ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge if any of them stands before the
        // point, otherwise too small to be anything but 0.
        const std::string_view whole(first, static_cast<std::size_t>(last - first));
        const std::string_view integral = whole.substr(0, whole.find('.'));
        value = integral.find_first_not_of('0') == std::string_view::npos ? 0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

}  // namespace ferlow
