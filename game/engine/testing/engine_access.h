// Tests and benchmarks lay out positions (a board, a selection, announced balls, a clock near its
// end) directly in the engine's state; the game changes it only through the engine's operations.
#pragma once

#include "game/engine/engine.h"

namespace orbello {

struct EngineAccess {
  static EngineState& State(GameEngine& engine) { return engine.state_; }
  // The end of a turn on a position laid out by the test.
  static void EndTurn(GameEngine& engine) { engine.EndTurn(); }
  // The screen-reader tests' position: a red ball (colour 0) on E3 alone, green on A1, orange on
  // I9 and brown on B2 announced, score 120.
  static void LayOutRedBallOnE3(GameEngine& engine) {
    EngineState& state = engine.state_;
    for (TBoardCell& cell : state.Board)
      cell.Color = kEmpty;
    state.Board[CellNumber(4, 2)].Color = 0;
    state.NextBalls = {{{0, 0, 1}, {8, 8, 2}, {1, 1, 4}}};
    state.Score = 120;
  }
};

}  // namespace orbello
