#include "engine/amount_text.h"

#include <cstdlib>
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
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace ferlow
