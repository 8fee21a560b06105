// Turning the high-score table into the bytes of ferlow.ini and back.
#pragma once

#include "storage/high_score_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace ferlow::storage {

// Five lines " 5000 Name\r\n" (a minus sign instead of the leading blank for a negative
// score). Names are trimmed, and characters a line cannot carry (comma, double quote,
// control characters) are dropped, so any table gives a file that reads back.
std::string formatHighScores(const HighScoreTable& table);

// Reads the first five lines (CR LF or LF ends); later lines are ignored. Returns nullopt
// for anything that is not five whole-number scores with names. The result is ordered
// highest first, even if a hand-edited file was not.
std::optional<HighScoreTable> parseHighScores(std::string_view bytes);

// The name as it will be stored: unsafe characters dropped, blanks trimmed.
std::string storableName(std::string_view name);

}  // namespace ferlow::storage
