// Number texts. Whole-number patterns round halves away from zero; the one-decimal
// percentages round the exact binary value, so 4.35 (stored just below) shows 4.3.
#include "engine/format.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace ferlow::fmt {
namespace {

std::string groupDigits(std::string_view digits)
{
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

// Digits of |round(value)| padded to at least minDigits, with a minus sign when
// the rounded value is negative.
std::string wholeDigits(double value, int minDigits, bool groupThousands)
{
    const double rounded = std::round(value);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%0*.0f", minDigits, std::fabs(rounded));
    std::string digits = groupThousands ? groupDigits(buf) : std::string(buf);
    return rounded < 0 ? "-" + digits : digits;
}

// value * 100 with one decimal; at least minWholeDigits before the point.
std::string percent(double fraction, int minWholeDigits)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.1f", std::fabs(fraction * 100.0));
    std::string text(buf);
    const bool negative = fraction * 100.0 <= -0.05;
    std::string whole = text.substr(0, text.find('.'));
    const std::string decimals = text.substr(text.find('.'));
    if (whole == "0") whole.clear();
    while (static_cast<int>(whole.size()) < minWholeDigits) whole.insert(whole.begin(), '0');
    return (negative ? "-" : "") + whole + decimals + "%";
}

}  // namespace

std::string grouped(double value) { return wholeDigits(value, 1, true); }

std::string groupedOrEmpty(double value)
{
    return std::round(value) == 0 ? std::string() : wholeDigits(value, 1, true);
}

std::string zeroPadded5(double value) { return wholeDigits(value, 5, true); }

std::string zeroPadded2(double value) { return wholeDigits(value, 2, false); }

std::string percentPadded(double fraction) { return percent(fraction, 2); }

std::string percentPlain(double fraction) { return percent(fraction, 0); }

std::string plain(double value)
{
    if (value == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

std::string withSignPlace(double value) { return value < 0 ? plain(value) : " " + plain(value); }

}  // namespace ferlow::fmt
