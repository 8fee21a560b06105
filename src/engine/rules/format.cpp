// Number texts. Whole-number patterns round halves away from zero; the one-decimal
// percentages round the exact binary value, so 4.35 (stored just below) shows 4.3.
#include "engine/rules/format.h"

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

// Digits of `magnitude` padded to at least minDigits, grouped if asked, with a
// minus sign when `negative`.
std::string signedDigits(std::string_view magnitude, bool negative, int minDigits, bool groupThousands)
{
    std::string digits(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, minDigits - std::ssize(magnitude))), '0');
    digits += magnitude;
    if (groupThousands) digits = groupDigits(digits);
    return negative ? "-" + digits : digits;
}

std::string wholeDigits(std::int64_t value, int minDigits, bool groupThousands)
{
    // The magnitude as unsigned: the lowest int64 has no positive counterpart.
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char buf[24];
    const char* end = std::to_chars(buf, buf + sizeof buf, magnitude).ptr;
    return signedDigits(std::string_view(buf, static_cast<std::size_t>(end - buf)), value < 0, minDigits,
                        groupThousands);
}

// Digits of |round(value)| padded to at least minDigits, with a minus sign when
// the rounded value is negative.
std::string wholeDigits(double value, int minDigits, bool groupThousands)
{
    const double rounded = std::round(value);
    // Whole numbers below 2^63 print as integers, several times faster than
    // through the double's decimal expansion; on the draw's path for each ball.
    if (std::fabs(rounded) < 0x1p63) return wholeDigits(static_cast<std::int64_t>(rounded), minDigits, groupThousands);
    char buf[400];
    const char* end = std::to_chars(buf, buf + sizeof buf, std::fabs(rounded), std::chars_format::fixed, 0).ptr;
    return signedDigits(std::string_view(buf, static_cast<std::size_t>(end - buf)), rounded < 0, minDigits,
                        groupThousands);
}

// value * 100 with one decimal; at least minWholeDigits before the point.
std::string percent(double fraction, int minWholeDigits)
{
    char buf[400];
    std::string text(
        buf, std::to_chars(buf, buf + sizeof buf, std::fabs(fraction * 100.0), std::chars_format::fixed, 1).ptr);
    const bool negative = fraction * 100.0 <= -0.05;
    std::string whole = text.substr(0, text.find('.'));
    const std::string decimals = text.substr(text.find('.'));
    if (whole == "0") whole.clear();
    while (static_cast<int>(whole.size()) < minWholeDigits) whole.insert(whole.begin(), '0');
    return (negative ? "-" : "") + whole + decimals + "%";
}

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// n / d to the nearest whole number, an exact half to the even neighbour (d > 0).
Int128 roundedQuotient(Int128 n, Int128 d)
{
    Int128 q = n / d;
    const Int128 r = n % d < 0 ? -(n % d) : n % d;
    if (r > d - r || (r == d - r && q % 2 != 0)) q += n < 0 ? -1 : 1;
    return q;
}

// Tenths of a percent of part / whole: part * 1000 / whole, rounded. `whole` is
// m * 2^e exactly, with m odd and below 2^53; as whole >= 1, e >= -52, so every
// number below fits in 128 bits (|part * 1000| < 2^73).
Int128 percentTenths(std::int64_t part, double whole)
{
    int exponent = 0;
    const double mantissa = std::frexp(whole, &exponent);
    auto m = static_cast<std::int64_t>(std::ldexp(mantissa, 53));
    exponent -= 53;
    while (m % 2 == 0) {
        m /= 2;
        ++exponent;
    }
    Int128 n = static_cast<Int128>(part) * 1000;
    Int128 d = m;
    if (exponent >= 0) {
        // From 2^75 on the whole dwarfs any part: the share rounds to nothing.
        if (exponent >= 75) return 0;
        d *= static_cast<Int128>(1) << exponent;
    } else {
        n *= static_cast<Int128>(1) << -exponent;
    }
    return roundedQuotient(n, d);
}

}  // namespace

std::string grouped(double value) { return wholeDigits(value, 1, true); }
std::string grouped(std::int64_t value) { return wholeDigits(value, 1, true); }
std::string grouped(int value) { return wholeDigits(std::int64_t{value}, 1, true); }

std::string groupedOrEmpty(double value)
{
    return std::round(value) == 0 ? std::string() : wholeDigits(value, 1, true);
}
std::string groupedOrEmpty(std::int64_t value) { return value == 0 ? std::string() : wholeDigits(value, 1, true); }
std::string groupedOrEmpty(int value) { return groupedOrEmpty(std::int64_t{value}); }

std::string zeroPadded5(double value) { return wholeDigits(value, 5, true); }
std::string zeroPadded5(std::int64_t value) { return wholeDigits(value, 5, true); }
std::string zeroPadded5(int value) { return wholeDigits(std::int64_t{value}, 5, true); }

std::string zeroPadded2(double value) { return wholeDigits(value, 2, false); }

std::string percentPadded(double fraction) { return percent(fraction, 2); }

std::string percentPadded(std::int64_t part, double whole)
{
    if (!(whole >= 1) || std::isinf(whole)) return percent(static_cast<double>(part) / whole, 2);
    const Int128 tenths = percentTenths(part, whole);
    UInt128 magnitude = tenths < 0 ? -static_cast<UInt128>(tenths) : static_cast<UInt128>(tenths);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    std::string wholePart = digits.substr(0, digits.size() - 1);
    if (wholePart.size() < 2) wholePart.insert(0, 2 - wholePart.size(), '0');
    return (tenths < 0 ? "-" : "") + wholePart + "." + digits.back() + "%";
}

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
