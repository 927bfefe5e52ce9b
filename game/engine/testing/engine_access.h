// Tests and benchmarks lay out positions (a board, a selection, announced balls, a clock near its
// end) directly in the engine's state; the game changes it only through the engine's operations.
#pragma once

#include "game/engine/engine.h"

namespace orbello {

struct EngineAccess {
  static EngineState& State(GameEngine& engine) { return engine.state_; }
  // The end of a turn on a position laid out by the test.
  static void EndTurn(GameEngine& engine) { engine.EndTurn(); }
};

}  // namespace orbello
