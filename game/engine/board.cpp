#include "game/engine/board.h"

#include <cstddef>

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
  for (std::size_t i = 0; i < state.NextBalls.size(); ++i) {
    const TNextBall& slot = state.NextBalls[i];
    if (slot.X == kNone) {
      continue;
    }
    if (!OnBoard(slot.X, slot.Y) || !IsColor(slot.Color)) {
      return false;
    }
    // Between turns every announced ball waits on an empty cell of its own; a slot over a ball,
    // or two slots on one cell, would overwrite a ball when they appear.
    if (state.Board[CellNumber(slot.X, slot.Y)].Color != kEmpty) {
      return false;
    }
    for (std::size_t j = 0; j < i; ++j) {
      const TNextBall& other = state.NextBalls[j];
      if (other.X == slot.X && other.Y == slot.Y) {
        return false;
      }
    }
  }
  if (state.SelX == kNone && state.SelY == kNone) {
    return true;
  }
  return OnBoard(state.SelX, state.SelY) &&
         state.Board[CellNumber(state.SelX, state.SelY)].Color != kEmpty;
}

}  // namespace orbello
