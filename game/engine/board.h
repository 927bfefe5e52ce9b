// The board model's record types and sizes. Kept apart from the engine so that the saved-game file
// code can use the records without the rules.
#pragma once

#include <array>
#include <cstdint>

namespace orbello {

inline constexpr int kBoardSize = 9;
inline constexpr int kCellCount = kBoardSize * kBoardSize;
inline constexpr int kColorCount = 7;
inline constexpr int32_t kEmpty = -1;  // Color of a cell without a ball
inline constexpr int32_t kNone = -2;   // X of a slot without a cell; SelX/SelY without a selection

// Game variants, the same codes as the DefaultGame setting.
inline constexpr int32_t kLines = 1;
inline constexpr int32_t kSquares = 2;
inline constexpr int32_t kBlocks = 3;

// Exit status of the game for an unreadable high-score table, a failed save or load and the
// display failures; 1 is the start-up and clock failure status.
inline constexpr int kExitStatusFailure = 1;
inline constexpr int kExitStatusOther = 2;

struct TBoardCell {
  int32_t Color;
  int32_t Number;  // 9x + y, set by InitBoard
  int32_t Reserved1;
  int32_t Reserved2;
};

struct TNextBall {
  int32_t X;  // kNone: the slot holds no cell
  int32_t Y;
  int32_t Color;
};

struct TCellPoint {
  int32_t X;
  int32_t Y;
};

struct TMatchCell {
  int32_t State;
  int32_t Mark;
};

// Record of cell (x, y) is Board[9x + y].
using TBoard = std::array<TBoardCell, kCellCount>;
using TNextBalls = std::array<TNextBall, 3>;

inline constexpr int CellNumber(int x, int y) {
  return kBoardSize * x + y;
}
inline constexpr int CellX(int n) {
  return n / kBoardSize;
}
inline constexpr int CellY(int n) {
  return n % kBoardSize;
}

// The part of the game state a saved game holds, in file order.
struct SavedGameState {
  int32_t GameType = kLines;
  uint32_t Score = 0;
  TBoard Board{};
  TNextBalls NextBalls{};
  int32_t SelX = kNone;
  int32_t SelY = kNone;
};

// True when every value of the state is one the game can draw and play: GameType 1..3, every Color
// -1..6, every slot either without a cell (X = -2) or on an empty cell of the board that no other
// slot names, with a colour 0..6 (as the state between turns always is), and the selection either
// absent (-2, -2) or on a cell holding a ball. Number and the reserved fields are
// not looked at (the engine never indexes with them).
bool IsPlayableState(const SavedGameState& state);

}  // namespace orbello
