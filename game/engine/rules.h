// The rules of the three variants as functions of a position: they compute what a click, a move
// or the end of a turn does and return it as a value. They draw from the random source in the
// order the game always has, and they never draw, wait or sound: the turn player (turn_player.h)
// shows a result, the engine (engine.h) keeps the state.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/engine/board.h"
#include "game/engine/world.h"

namespace orbello {

inline constexpr int kGridSize = 11;
template <typename T>
using Grid = std::array<std::array<T, kGridSize>, kGridSize>;  // [gx][gy], frame at 0 and 10

inline bool OnBoard(int32_t x, int32_t y) {
  return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
}

inline bool IsColor(int32_t c) {
  return c >= 0 && c < kColorCount;
}

// The spawning's random source: a 64-bit linear congruential generator whose high half is the
// number. Saved games do not hold it; a replay seeds it to get the same game again.
class RandomSource {
 public:
  void Seed(uint32_t seconds);
  uint32_t Next();
  uint64_t State() const { return state_; }

 private:
  uint64_t state_ = 0;
};

// The part of the game state the rules read and change.
struct Position {
  TBoard Board{};
  TNextBalls NextBalls{{{kNone, 0, 0}, {kNone, 0, 0}, {kNone, 0, 0}}};
  int32_t SelX = kNone;
  int32_t SelY = kNone;
  uint32_t Score = 0;
  int32_t GameType = kLines;
};

namespace rules {

// ---- Path finding ----
// Spreads the wave from `to` until it reaches `from`; true when it does. The wave holds each
// reached cell's distance from `to`.
bool FindPath(const TBoard& board, TCellPoint from, TCellPoint to, Grid<int32_t>& wave);
// One step back along the wave from p: p moves to its lowest neighbour (right, down, left, up
// win ties in that order); false when that neighbour is the target.
bool TracePathStep(const Grid<int32_t>& wave, TCellPoint& p);
// The walk from `from`: `from` itself, then every cell before the target.
std::vector<TCellPoint> TracePath(const Grid<int32_t>& wave, TCellPoint from);

// ---- Figures ----
struct Removal {
  int32_t color = kEmpty;
  std::vector<TCellPoint> cells;  // column by column: the order in which they break
  uint32_t points = 0;
  uint32_t count() const { return static_cast<uint32_t>(cells.size()); }
};
// The figures of `color` in the variant, found on `board`, which stays as it is. `match` is the
// work grid of the search.
Removal FindFigures(const TBoard& board, int32_t game_type, int32_t color, Grid<TMatchCell>& match);
// The block search from grid cell (gx, gy) over the balls of the colour under test; every cell it
// reaches is appended to `reached` in grid coordinates.
void FloodBlock(Grid<TMatchCell>& match, int32_t gx, int32_t gy, std::vector<TCellPoint>& reached);
// Empties the removed cells and adds their points.
void ApplyRemoval(Position& position, const Removal& removal);

// ---- Spawning ----
// True when some cell holds no ball (a reserved cell holds none).
bool HasFreeCell(const TBoard& board);
// Puts a ball of a random colour on a random empty cell and names both in `r`; only r.X changes,
// to kNone, when every cell holds a ball.
void PlaceRandomBall(TBoard& board, RandomSource& random, TNextBall& r);

// ---- The turn ----
// What follows a move that removed nothing, and the start of a game: the announced balls appear,
// figures they complete go, the next three are reserved.
struct TurnEnd {
  std::vector<TNextBall> appeared;  // empty unless all three slots held a cell
  std::vector<Removal> removals;    // one per slot tested, in slot order
  Position reserved;  // the reserved cells still hold their colours here, as the draw left them
  bool game_over = false;  // a slot found no cell
  Position after;
};
TurnEnd EndTurn(const Position& before, RandomSource& random);

// What became of the reservation on the cell the moved ball stopped on.
enum class Reservation {
  kNone,                // the target held no reservation
  kMarkAgain,           // the ball went with a figure: the mark comes back on the target
  kNewCellUnannounced,  // appearance follows at once: the slot got a new cell, not announced
  kNewCellAnnounced,    // the ball stays, nothing appears: the slot moves and is announced
};

struct MoveResult {
  TCellPoint from{kNone, kNone};
  TCellPoint to{kNone, kNone};
  int32_t color = kEmpty;
  std::vector<TCellPoint> path;
  Removal removal;
  int slot = -1;  // the slot whose cell was the target, or -1
  Reservation reservation = Reservation::kNone;
  Position moved;              // the position once the move is over, before any appearance
  std::optional<TurnEnd> end;  // when the move removed nothing
};

struct ClickResult {
  enum class Kind { kIgnored, kSelected, kKept, kNoPath, kMoved };
  Kind kind = Kind::kIgnored;
  TCellPoint cell{kNone, kNone};      // the clicked cell
  TCellPoint previous{kNone, kNone};  // the selection the click found
  int32_t color = kEmpty;             // of the ball selected, kept, refused or moved
  std::optional<Grid<int32_t>> wave;  // when a path was looked for
  MoveResult move;                    // kMoved
  Position after;
};
// A click on cell n (0..80) of a running game.
ClickResult Click(const Position& before, int n, RandomSource& random);

// The game end's verdict on a score, given the variant's table.
struct GameEndVerdict {
  bool enters_table = false;
  bool new_champion = false;  // beats the champion shown: only when it enters the table
};
GameEndVerdict JudgeGameEnd(const HighScorePoints& points, uint32_t score, uint32_t champ_score);

}  // namespace rules
}  // namespace orbello
