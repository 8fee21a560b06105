// The machine's fixed numbers: a board of 80, 4 to 10 picks, a game of 30
// credits and 20 turns.
#pragma once

namespace ferlow {

inline constexpr int kBoardNumbers = 80;
inline constexpr int kMaxPicks = 10;
inline constexpr int kMinPicks = 4;
inline constexpr double kStartingCredit = 30;
inline constexpr int kTurnsPerGame = 20;

}  // namespace ferlow
