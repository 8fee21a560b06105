// Number texts. Whole-number patterns round halves away from zero; the one-decimal
// percentages round the exact binary value, so 4.35 (stored just below) shows 4.3.
#include "engine/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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
    char buf[400];
    // Whole numbers below 2^63 print as integers, several times faster than
    // through the double's decimal expansion; on the draw's path for each ball.
    const double magnitude = std::fabs(rounded);
    char* end = magnitude < 9.2e18
                    ? std::to_chars(buf, buf + sizeof buf, static_cast<unsigned long long>(magnitude)).ptr
                    : std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, 0).ptr;
    std::string digits(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, minDigits - (end - buf))), '0');
    digits.append(buf, static_cast<std::size_t>(end - buf));
    if (groupThousands) digits = groupDigits(digits);
    return rounded < 0 ? "-" + digits : digits;
}

// value * 100 with one decimal; at least minWholeDigits before the point.
std::string percent(double fraction, int minWholeDigits)
{
    char buf[400];
    std::string text(buf, std::to_chars(buf, buf + sizeof buf, std::fabs(fraction * 100.0), std::chars_format::fixed, 1).ptr);
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
    // A whole number of up to 15 digits is exactly what "%.15g" prints for it.
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value)).ptr);
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15).ptr);
}

std::string fixed(double value, int decimals)
{
    char buf[400];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals).ptr);
}

std::string withSignPlace(double value)
{
    if (value < 0) return plain(value);
    std::string text(1, ' ');
    text += plain(value);
    return text;
}

}  // namespace ferlow::fmt
