#include "ui/board/board_moves.h"

#include "engine/machine/game_state.h"

namespace ferlow::ui {
namespace {

constexpr int kColumns = 10;
constexpr int kLastRowStart = kBoardNumbers - kColumns;

}  // namespace

int boardMove(int position, BoardMove move)
{
    const int column = position % kColumns;
    switch (move) {
    case BoardMove::Right: return (position + 1) % kBoardNumbers;
    case BoardMove::Left: return (position + kBoardNumbers - 1) % kBoardNumbers;
    case BoardMove::Down:
        if (position < kLastRowStart) return position + kColumns;
        return (column + 1) % kColumns;
    case BoardMove::Up:
        if (position >= kColumns) return position - kColumns;
        return kLastRowStart + (column + kColumns - 1) % kColumns;
    case BoardMove::RowStart: return position - column;
    case BoardMove::RowEnd: return position - column + kColumns - 1;
    case BoardMove::First: return 0;
    case BoardMove::Last: return kBoardNumbers - 1;
    }
    return position;
}

}  // namespace ferlow::ui
