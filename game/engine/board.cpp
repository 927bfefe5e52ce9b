#include "game/engine/board.h"

namespace orbello {

namespace {

bool OnBoard(int32_t x, int32_t y) {
  return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
}

bool IsColor(int32_t c) {
  return c >= 0 && c < kColorCount;
}

}  // namespace

bool IsPlayableState(const SavedGameState& state) {
  if (state.GameType < kLines || state.GameType > kBlocks) {
    return false;
  }
  for (const TBoardCell& cell : state.Board) {
    if (cell.Color != kEmpty && !IsColor(cell.Color)) {
      return false;
    }
  }
  for (const TNextBall& slot : state.NextBalls) {
    if (slot.X != kNone && (!OnBoard(slot.X, slot.Y) || !IsColor(slot.Color))) {
      return false;
    }
  }
  if (state.SelX == kNone && state.SelY == kNone) {
    return true;
  }
  return OnBoard(state.SelX, state.SelY) &&
         state.Board[CellNumber(state.SelX, state.SelY)].Color != kEmpty;
}

}  // namespace orbello
