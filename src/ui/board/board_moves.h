// Where the keyboard's ring goes on the board of 80 numbers, ten to a row in
// eight rows (1-40 above the gap, 41-80 below it). Positions are 0..79.
//
//  Right / Left  the next / previous number: past a row's end to the next row's
//                start, past 80 to 1 and back.
//  Down / Up     the number below / above, straight across the gap between 40
//                and 41; past the bottom row to the top of the next column
//                (75 goes to 6, 80 to 1) and back (6 goes to 75, 1 to 80).
//  Home / End    the first / last number of the row.
//  Ctrl+Home / Ctrl+End   1 / 80.
// Left and Right alone, or Up and Down alone, visit every number before coming
// back: the board reads by rows one way and by columns the other.
#pragma once

namespace ferlow::ui {

enum class BoardMove { Left, Right, Up, Down, RowStart, RowEnd, First, Last };

int boardMove(int position, BoardMove move);

}  // namespace ferlow::ui
