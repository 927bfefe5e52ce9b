#include "game/engine/rules.h"

#include "game/engine/high_score_rules.h"

namespace orbello {

namespace {

constexpr int32_t kBlocked = 255;    // the wave: ball or frame; the match grid: not of the colour
constexpr int32_t kUnreached = 254;  // the wave: empty, not reached; the match grid: of the colour
constexpr int32_t kGoal = 253;       // the wave: the selected ball
constexpr int32_t kFlooded = -99;    // the match grid: reached by the block search
constexpr int32_t kUnmarked = 255;
constexpr int32_t kMarked = 252;

constexpr uint64_t kRandomMultiplier = (uint64_t{346} << 32) + 20021;

void MarkLines(Grid<TMatchCell>& match) {
  auto run_of_five = [&match](int gx, int gy, int dx, int dy) {
    for (int k = 0; k < 5; ++k) {
      if (match[gx + k * dx][gy + k * dy].State != kUnreached) {
        return;
      }
    }
    for (int k = 0; k < 5; ++k) {
      match[gx + k * dx][gy + k * dy].Mark = kMarked;
    }
  };
  for (int gx = 1; gx <= 10; ++gx) {
    for (int gy = 1; gy <= 10; ++gy) {
      if (gx + 4 < 10) {
        run_of_five(gx, gy, 1, 0);
      }
      if (gy + 4 < 10) {
        run_of_five(gx, gy, 0, 1);
      }
      if (gx + 4 < 10 && gy + 4 < 10) {
        run_of_five(gx, gy, 1, 1);
      }
      if (gx - 4 > 0 && gy + 4 < 10) {
        run_of_five(gx, gy, -1, 1);
      }
    }
  }
}

void MarkSquares(Grid<TMatchCell>& match) {
  for (int gx = 1; gx <= 10; ++gx) {
    for (int gy = 1; gy <= 10; ++gy) {
      if (gx + 1 < 10 && gy + 1 < 10 && match[gx][gy].State == kUnreached &&
          match[gx + 1][gy].State == kUnreached && match[gx][gy + 1].State == kUnreached &&
          match[gx + 1][gy + 1].State == kUnreached) {
        match[gx][gy].Mark = kMarked;
        match[gx + 1][gy].Mark = kMarked;
        match[gx][gy + 1].Mark = kMarked;
        match[gx + 1][gy + 1].Mark = kMarked;
      }
    }
  }
}

// Only the first group of seven or more that the search meets goes; cells reached by a search
// that fell short are not searched from again.
void MarkBlocks(Grid<TMatchCell>& match) {
  std::vector<TCellPoint> reached;
  for (int gy = 1; gy <= 10; ++gy) {
    for (int gx = 1; gx <= 10; ++gx) {
      reached.clear();
      rules::FloodBlock(match, gx, gy, reached);
      if (reached.size() > 6) {
        for (const TCellPoint& p : reached) {
          match[p.X][p.Y].Mark = kMarked;
        }
        return;
      }
    }
  }
}

uint32_t SmallestFigure(int32_t game_type) {
  return game_type == kLines ? 4 : game_type == kSquares ? 3 : 6;
}

// Every slot in turn gets a new cell; false when one finds none.
bool ReserveNextBalls(Position& position, RandomSource& random) {
  TNextBalls& slots = position.NextBalls;
  for (size_t i = 0; i < slots.size(); ++i) {
    rules::PlaceRandomBall(position.Board, random, slots[i]);
    if (slots[i].X == kNone) {
      // The slots after the failing one would still name the cells of the balls that have just
      // appeared; a later announcement would then draw marks over those balls.
      for (size_t j = i + 1; j < slots.size(); ++j) {
        slots[j].X = kNone;
      }
      return false;
    }
  }
  return true;
}

// The moved ball stays on a reserved cell while nothing appears: the reservation moves to a new
// empty cell, which stays empty, rather than hiding the ball under the mark and letting the next
// appearance overwrite it. The other slots' cells are kept out of the draw: a shared cell would
// outlive this turn, and a ball later moved onto it would be overwritten by the slot that stays
// there. The removal freed cells, so one is left.
void MoveReservation(Position& position, int slot, RandomSource& random) {
  TBoard& board = position.Board;
  TNextBall& r = position.NextBalls[slot];
  std::array<int, 3> held{};
  size_t held_count = 0;
  for (const TNextBall& other : position.NextBalls) {
    if (&other != &r && OnBoard(other.X, other.Y) &&
        board[CellNumber(other.X, other.Y)].Color == kEmpty) {
      held[held_count] = CellNumber(other.X, other.Y);
      board[held[held_count++]].Color = 0;
    }
  }
  const int32_t color = r.Color;
  rules::PlaceRandomBall(board, random, r);
  r.Color = color;
  for (size_t i = 0; i < held_count; ++i) {
    board[held[i]].Color = kEmpty;
  }
  if (r.X != kNone) {
    board[CellNumber(r.X, r.Y)].Color = kEmpty;
  }
}

rules::MoveResult Move(Position& position, TCellPoint to, const Grid<int32_t>& wave,
                       RandomSource& random) {
  rules::MoveResult m;
  TBoard& board = position.Board;
  m.from = {position.SelX, position.SelY};
  m.to = to;
  m.color = board[CellNumber(m.from.X, m.from.Y)].Color;
  m.path = rules::TracePath(wave, m.from);
  board[CellNumber(m.from.X, m.from.Y)].Color = kEmpty;
  position.SelX = kNone;
  position.SelY = kNone;
  board[CellNumber(to.X, to.Y)].Color = m.color;

  Grid<TMatchCell> match{};
  m.removal = rules::FindFigures(board, position.GameType, m.color, match);
  rules::ApplyRemoval(position, m.removal);
  for (int slot = 0; slot < 3; ++slot) {
    TNextBall& r = position.NextBalls[slot];
    if (r.X != to.X || r.Y != to.Y) {
      continue;
    }
    m.slot = slot;
    if (m.removal.count() == 0) {
      // The balls appear at once: the new cell needs no announcement.
      m.reservation = rules::Reservation::kNewCellUnannounced;
      const int32_t color = r.Color;
      rules::PlaceRandomBall(board, random, r);
      r.Color = color;
    } else if (board[CellNumber(to.X, to.Y)].Color != kEmpty) {
      m.reservation = rules::Reservation::kNewCellAnnounced;
      MoveReservation(position, slot, random);
    } else {
      m.reservation = rules::Reservation::kMarkAgain;
    }
    break;
  }
  m.moved = position;
  if (m.removal.count() == 0) {
    m.end = rules::EndTurn(position, random);
    position = m.end->after;
  }
  return m;
}

}  // namespace

void RandomSource::Seed(uint32_t seconds) {
  state_ = static_cast<uint32_t>(seconds * uint32_t{22695477} + 1u);
}

uint32_t RandomSource::Next() {
  state_ = state_ * kRandomMultiplier + 1;
  return static_cast<uint32_t>(state_ >> 32) & 0x7FFFFFFFu;
}

namespace rules {

bool FindPath(const TBoard& board, TCellPoint from, TCellPoint to, Grid<int32_t>& wave) {
  if (!OnBoard(to.X, to.Y) || !OnBoard(from.X, from.Y)) {
    return false;
  }
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      wave[x + 1][y + 1] = board[CellNumber(x, y)].Color == kEmpty ? kUnreached : kBlocked;
    }
  }
  wave[to.X + 1][to.Y + 1] = 0;
  wave[from.X + 1][from.Y + 1] = kGoal;
  for (int i = 0; i < kGridSize; ++i) {
    wave[0][i] = kBlocked;
    wave[kGridSize - 1][i] = kBlocked;
    wave[i][0] = kBlocked;
    wave[i][kGridSize - 1] = kBlocked;
  }
  // A cell reached in a pass is expanded only in the next one, so every value is the exact
  // distance from the target.
  for (int32_t m = 0; m <= kGoal; ++m) {
    for (int gx = 1; gx <= 9; ++gx) {
      for (int gy = 1; gy <= 9; ++gy) {
        if (wave[gx][gy] != m) {
          continue;
        }
        int32_t* const neighbours[4] = {&wave[gx][gy + 1], &wave[gx][gy - 1], &wave[gx + 1][gy],
                                        &wave[gx - 1][gy]};
        for (int32_t* v : neighbours) {
          if (*v == kGoal) {
            return true;
          }
          if (*v == kUnreached) {
            *v = m + 1;
          }
        }
      }
    }
  }
  return false;
}

bool TracePathStep(const Grid<int32_t>& wave, TCellPoint& p) {
  if (!OnBoard(p.X, p.Y)) {
    return false;
  }
  const TCellPoint candidates[4] = {{p.X + 1, p.Y}, {p.X, p.Y + 1}, {p.X - 1, p.Y}, {p.X, p.Y - 1}};
  int32_t best = 65535;
  TCellPoint choice = p;
  for (const TCellPoint& c : candidates) {
    const int32_t v = wave[c.X + 1][c.Y + 1];
    if (v < best) {
      best = v;
      choice = c;
    }
  }
  p = choice;
  return best != 0;
}

std::vector<TCellPoint> TracePath(const Grid<int32_t>& wave, TCellPoint from) {
  std::vector<TCellPoint> path;
  TCellPoint p = from;
  // A found path is at most 80 steps long; the bound only guards a corrupted wave.
  for (int steps = 0; steps <= kCellCount && OnBoard(p.X, p.Y); ++steps) {
    path.push_back(p);
    if (!TracePathStep(wave, p)) {
      break;
    }
  }
  return path;
}

Removal FindFigures(const TBoard& board, int32_t game_type, int32_t color,
                    Grid<TMatchCell>& match) {
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      match[x + 1][y + 1] = {board[CellNumber(x, y)].Color == color ? kUnreached : kBlocked,
                             kUnmarked};
    }
  }
  for (int i = 0; i < kGridSize; ++i) {
    match[0][i].State = kBlocked;
    match[kGridSize - 1][i].State = kBlocked;
    match[i][0].State = kBlocked;
    match[i][kGridSize - 1].State = kBlocked;
  }
  if (game_type == kLines) {
    MarkLines(match);
  } else if (game_type == kSquares) {
    MarkSquares(match);
  } else {
    MarkBlocks(match);
  }
  Removal removal;
  removal.color = color;
  for (int gx = 1; gx <= 10; ++gx) {
    for (int gy = 1; gy <= 10; ++gy) {
      if (match[gx][gy].Mark == kMarked) {
        removal.cells.push_back({gx - 1, gy - 1});
      }
    }
  }
  const uint32_t b = removal.count();
  if (b > 0) {
    removal.points = b * (b - SmallestFigure(game_type));
  }
  return removal;
}

void FloodBlock(Grid<TMatchCell>& match, int32_t gx, int32_t gy, std::vector<TCellPoint>& reached) {
  if (gx < 0 || gx >= kGridSize || gy < 0 || gy >= kGridSize || match[gx][gy].State != kUnreached) {
    return;
  }
  // The search's own order: it climbs only beside a column it has just flooded, so a group may
  // be found only in part.
  auto state = [&match](int32_t x, int32_t y) { return match[x][y].State; };
  match[gx][gy].State = kFlooded;
  reached.push_back({gx, gy});
  if (gx + 1 < 10 && state(gx + 1, gy) == kUnreached) {
    FloodBlock(match, gx + 1, gy, reached);
  }
  if (gx + 1 < 10 && state(gx + 1, gy) == kFlooded) {
    if (gy + 1 < 10 && state(gx, gy + 1) == kUnreached) {
      FloodBlock(match, gx, gy + 1, reached);
    }
    if (gy - 1 > 0 && state(gx, gy - 1) == kUnreached) {
      FloodBlock(match, gx, gy - 1, reached);
    }
  }
  if (gx - 1 > 0 && state(gx - 1, gy) == kUnreached) {
    FloodBlock(match, gx - 1, gy, reached);
  }
  if (gx - 1 > 0 && state(gx - 1, gy) == kFlooded) {
    if (gy - 1 > 0 && state(gx, gy - 1) == kUnreached) {
      FloodBlock(match, gx, gy - 1, reached);
    }
    if (gy + 1 < 10 && state(gx, gy + 1) == kUnreached) {
      FloodBlock(match, gx, gy + 1, reached);
    }
  }
  if (gy + 1 < 10 && state(gx, gy + 1) == kUnreached) {
    FloodBlock(match, gx, gy + 1, reached);
  }
}

void ApplyRemoval(Position& position, const Removal& removal) {
  for (const TCellPoint& p : removal.cells) {
    position.Board[CellNumber(p.X, p.Y)].Color = kEmpty;
  }
  position.Score += removal.points;
}

bool HasFreeCell(const TBoard& board) {
  for (const TBoardCell& cell : board) {
    if (cell.Color == kEmpty) {
      return true;
    }
  }
  return false;
}

void PlaceRandomBall(TBoard& board, RandomSource& random, TNextBall& r) {
  if (!HasFreeCell(board)) {
    r.X = kNone;
    return;
  }
  for (;;) {
    const int32_t x = static_cast<int32_t>(random.Next() % kBoardSize);
    const int32_t y = static_cast<int32_t>(random.Next() % kBoardSize);
    TBoardCell& cell = board[CellNumber(x, y)];
    if (cell.Color == kEmpty) {
      const int32_t k = static_cast<int32_t>(random.Next() % kColorCount);
      cell.Color = k;
      r = {x, y, k};
      return;
    }
  }
}

TurnEnd EndTurn(const Position& before, RandomSource& random) {
  TurnEnd end;
  Position position = before;
  bool all = true;
  for (const TNextBall& slot : position.NextBalls) {
    all = all && slot.X != kNone;
  }
  if (all) {
    for (const TNextBall& slot : position.NextBalls) {
      // When two slots share a cell the later one's ball is the one that stays.
      position.Board[CellNumber(slot.X, slot.Y)].Color = slot.Color;
      end.appeared.push_back(slot);
    }
  }
  // The colours of the announced balls are tested even when they did not appear.
  Grid<TMatchCell> match{};
  for (const TNextBall& slot : position.NextBalls) {
    if (slot.X == kNone) {
      break;
    }
    end.removals.push_back(FindFigures(position.Board, position.GameType, slot.Color, match));
    ApplyRemoval(position, end.removals.back());
  }
  end.game_over = !ReserveNextBalls(position, random);
  end.reserved = position;
  if (!end.game_over) {
    for (const TNextBall& slot : position.NextBalls) {
      position.Board[CellNumber(slot.X, slot.Y)].Color = kEmpty;
    }
  }
  end.after = position;
  return end;
}

ClickResult Click(const Position& before, int n, RandomSource& random) {
  ClickResult result;
  result.after = before;
  Position& position = result.after;
  result.cell = {CellX(n), CellY(n)};
  result.previous = {position.SelX, position.SelY};
  const int32_t color = position.Board[n].Color;
  if (color != kEmpty) {
    result.color = color;
    if (position.SelX == result.cell.X && position.SelY == result.cell.Y) {
      // A selected ball stays selected until another one is chosen or it moves.
      result.kind = ClickResult::Kind::kKept;
      return result;
    }
    result.kind = ClickResult::Kind::kSelected;
    position.SelX = result.cell.X;
    position.SelY = result.cell.Y;
    return result;
  }
  if (position.SelX == kNone) {
    return result;
  }
  result.color = OnBoard(position.SelX, position.SelY)
                     ? position.Board[CellNumber(position.SelX, position.SelY)].Color
                     : kEmpty;
  // A selection off the board (only a hand-made state brings one) finds no path and leaves the
  // last wave as it was.
  if (!OnBoard(result.previous.X, result.previous.Y)) {
    result.kind = ClickResult::Kind::kNoPath;
    return result;
  }
  result.wave.emplace();
  if (!FindPath(position.Board, result.previous, result.cell, *result.wave)) {
    result.kind = ClickResult::Kind::kNoPath;
    return result;
  }
  result.kind = ClickResult::Kind::kMoved;
  result.move = Move(position, result.cell, *result.wave, random);
  return result;
}

GameEndVerdict JudgeGameEnd(const HighScorePoints& points, uint32_t score, uint32_t champ_score) {
  GameEndVerdict verdict;
  verdict.enters_table = ScoreEntersTable(points, score);
  verdict.new_champion = verdict.enters_table && score > champ_score;
  return verdict;
}

}  // namespace rules
}  // namespace orbello
