// Shared set-up of the engine tests: an engine on a recording world with quiet, fast settings and
// helpers to lay out boards.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "game/engine/engine.h"
#include "game/engine/testing/engine_access.h"
#include "game/engine/testing/recording_world.h"

namespace orbello {

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() : engine(world, world) {
    EngineSettings& s = engine.Settings();
    s.Sound_Jump = "jump.wav";
    s.Sound_Move = "move.wav";
    s.Sound_Destroy = "destroy.wav";
    s.Sound_NoPath = "nopath.wav";
  }

  // Puts balls on the board: each string is one row y (top first), one character per column x:
  // '.' empty, '0'..'6' a colour. Rows not given stay as they are.
  void Rows(std::initializer_list<const char*> rows) {
    int y = 0;
    for (const char* row : rows) {
      for (int x = 0; x < kBoardSize && row[x] != '\0'; ++x) {
        Board(x, y) = row[x] == '.' ? kEmpty : row[x] - '0';
      }
      ++y;
    }
  }

  void ClearBoard() {
    for (TBoardCell& cell : state.Board) {
      cell.Color = kEmpty;
    }
  }

  void Put(int x, int y, int color) { Board(x, y) = color; }
  int32_t& Board(int x, int y) { return state.Board[CellNumber(x, y)].Color; }

  // A running game on the current board without any announced balls.
  void Play(int32_t game_type = kLines) {
    state.GameType = game_type;
    state.GameActive = true;
  }

  // Fills every cell with a colour pattern that holds no figure of any variant (neighbours in a
  // row, column or diagonal always differ).
  void FillWithoutFigures() {
    for (int x = 0; x < kBoardSize; ++x) {
      for (int y = 0; y < kBoardSize; ++y) {
        Board(x, y) = (x + 3 * y) % kColorCount;
      }
    }
  }

  size_t Count(const std::string& call) const {
    size_t n = 0;
    for (const std::string& c : world.calls) {
      n += c == call;
    }
    return n;
  }

  RecordingWorld world;
  GameEngine engine;
  // The position a test lays out.
  EngineState& state = EngineAccess::State(engine);
};

inline bool operator==(const TCellPoint& a, const TCellPoint& b) {
  return a.X == b.X && a.Y == b.Y;
}

inline std::ostream& operator<<(std::ostream& os, const TCellPoint& p) {
  return os << "(" << p.X << "," << p.Y << ")";
}

}  // namespace orbello
