// The numeric value of an amount typed into the bet dialog.
#pragma once

#include <string_view>

namespace ferlow {

// The number at the start of the text, read as a real number with an optional
// sign and decimal point; blanks are skipped wherever they stand; reading stops at
// the first character that cannot continue the number. A text that does not
// start with a number gives 0. "12abc" -> 12, " 2.5" -> 2.5, "-3" -> -3.
double amountValue(std::string_view text);

}  // namespace ferlow
