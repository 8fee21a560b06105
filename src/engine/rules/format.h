// Number texts of the game's captions. Each pattern keeps the name it has in the
// captions ("###,##0" and friends) so a caption's format is visible at its use.
// None depends on the C library's locale (the desktop may have chosen a decimal
// comma): every caption reads the same everywhere.
#pragma once

#include <cstdint>
#include <string>

namespace ferlow::fmt {

// "###,##0" (and "##,##0"): nearest whole number, thousands grouped with ",",
// at least one digit. 1234 -> "1,234", 0 -> "0".
std::string grouped(double value);
// Whole numbers keep every digit however large they are: no double comes between
// them and their text. (The int overloads spare callers an ambiguous call.)
std::string grouped(std::int64_t value);
std::string grouped(int value);

// "###,###": as grouped(), but a value that rounds to 0 shows as "".
std::string groupedOrEmpty(double value);
std::string groupedOrEmpty(std::int64_t value);
std::string groupedOrEmpty(int value);

// "00,000": at least five digits with leading zeros, grouped. 2000 -> "02,000".
std::string zeroPadded5(double value);
std::string zeroPadded5(std::int64_t value);
std::string zeroPadded5(int value);

// "00": at least two digits. 7 -> "07".
std::string zeroPadded2(double value);

// "00.0%" of a fraction: at least two digits before the point, one after.
// 0.043478 -> "04.3%", 4.3478 -> "434.8%".
std::string percentPadded(double fraction);

// "00.0%" of part / whole, worked out exactly from the whole number and the binary
// value of `whole` (at least 1): a part beyond 2^53 keeps every digit. The nearest
// one-decimal value, an exact half to the even neighbour. 5000 of 23000 -> "21.7%".
std::string percentPadded(std::int64_t part, double whole);

// "###.0%" of a fraction: no leading zeros. 0 -> ".0%", 0.5 -> "50.0%".
std::string percentPlain(double fraction);

// A number joined into a caption without a pattern: its shortest decimal form
// (up to 15 significant digits) with one leading blank in the place of the sign.
// 3 -> " 3", -3 -> "-3", 2.5 -> " 2.5".
std::string withSignPlace(double value);

// The same without the blank: 30 -> "30", 2.5 -> "2.5".
std::string plain(double value);

// A fixed number of decimals with a decimal point, whatever the desktop's
// language: fixed(12.345, 1) -> "12.3".
std::string fixed(double value, int decimals);

}  // namespace ferlow::fmt
