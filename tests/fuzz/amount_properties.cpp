// Checks of the amount value against an independent reading of the leading number.
#include "amount_properties.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <sstream>

#include "engine/rules/amount_text.h"

namespace ferlow::fuzz {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The C locale as an object: strtod_l then reads '.' as the decimal point
// whatever locale the process runs in.
locale_t cLocale()
{
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

std::string shown(std::string_view text)
{
    std::ostringstream out;
    out << '"';
    for (const char c : text.substr(0, 120)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out << c;
        } else {
            constexpr char kHex[] = "0123456789abcdef";
            out << "\\x" << kHex[byte >> 4] << kHex[byte & 15];
        }
    }
    out << (text.size() > 120 ? "\"... (" + std::to_string(text.size()) + " bytes)" : "\"");
    return out.str();
}

}  // namespace

LeadingNumber leadingNumber(std::string_view text)
{
    std::string packed;
    for (const char c : text)
        if (c != ' ' && c != '\t') packed += c;

    std::size_t end = 0;
    if (end < packed.size() && (packed[end] == '+' || packed[end] == '-')) ++end;
    bool digits = false;
    while (end < packed.size() && isDigit(packed[end])) ++end, digits = true;
    if (end < packed.size() && packed[end] == '.') {
        ++end;
        while (end < packed.size() && isDigit(packed[end])) ++end, digits = true;
    }
    LeadingNumber number{packed.substr(0, end), 0};
    if (digits) number.value = ::strtod_l(number.text.c_str(), nullptr, cLocale());
    return number;
}

std::optional<std::string> checkAmountValue(std::string_view text)
{
    const double value = amountValue(text);
    const LeadingNumber expected = leadingNumber(text);
    std::ostringstream why;
    why.precision(17);
    if (std::isnan(value)) {
        why << "amountValue(" << shown(text) << ") is NaN";
    } else if (value > expected.value) {
        why << "amountValue(" << shown(text) << ") = " << value << " exceeds the leading number "
            << shown(expected.text) << " = " << expected.value;
    } else if (value != expected.value) {
        why << "amountValue(" << shown(text) << ") = " << value << " but the leading number " << shown(expected.text)
            << " is " << expected.value;
    } else {
        return std::nullopt;
    }
    return why.str();
}

}  // namespace ferlow::fuzz
