#include "game/engine/engine.h"

#include <algorithm>

namespace orbello {

namespace {

constexpr int32_t kBlocked = 255;    // WaveGrid: ball or frame; MatchGrid: not of the colour
constexpr int32_t kUnreached = 254;  // WaveGrid: empty, not reached; MatchGrid: of the colour
constexpr int32_t kGoal = 253;       // WaveGrid: the selected ball
constexpr int32_t kFlooded = -99;    // MatchGrid State: reached by the block search
constexpr int32_t kUnmarked = 255;
constexpr int32_t kMarked = 252;

constexpr int kFrameRest = 0;
[[maybe_unused]] constexpr int kFramePreview = 10;
constexpr int kFrameMark = 11;
constexpr int kFrameAppear = 12;
constexpr int kFrameJumpFirst = 16;
constexpr int kFrameJumpLast = 24;  // one past the picture: that tick draws nothing
constexpr int kFrameJumpSound = 20;
constexpr int kBallColumns = 24;

// Walk picture columns.
constexpr int kWalkRight = 0;
constexpr int kWalkLeft = 1;
constexpr int kWalkUp = 2;
constexpr int kWalkDown = 3;

constexpr uint32_t kClockWrap = 100 * 3600;

constexpr uint64_t kRandomMultiplier = (uint64_t{346} << 32) + 20021;

const char kMainCaption[] = "Orbello";

bool OnBoard(int32_t x, int32_t y) {
  return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
}

bool IsColor(int32_t c) {
  return c >= 0 && c < kColorCount;
}

}  // namespace

GameEngine::GameEngine(GameWorld& world) : world_(world) {
  InitBoard();
}

// ---------------------------------------------------------------------------------------------
// Program start

bool GameEngine::StartUp(uint32_t seconds) {
  if (exited_) {
    return false;
  }
  state_.GameSeconds = 0;
  ClearPointList();
  state_.SelX = kNone;
  state_.SelY = kNone;
  for (TNextBall& slot : state_.NextBalls) {
    slot.X = kNone;
  }
  HighScorePoints points{};
  if (!ReadTable(settings_.DefaultGame, points)) {
    return false;
  }
  state_.ChampScore = BestTablePoints(points);
  state_.GameType = settings_.DefaultGame;
  if (!world_.DrawGameType(state_.GameType)) {
    Exit(kExitStatusOther);
    return false;
  }
  Randomize(seconds);
  InitBoard();
  world_.DrawNumber(NumberDisplay::kScore, state_.Score);
  world_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
  world_.DrawClock(state_.GameSeconds);
  if (ShowsPreviews()) {
    for (int slot = 0; slot < 3; ++slot) {
      SetPreviewVisible(slot, true);
    }
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Board model

void GameEngine::InitBoard() {
  int32_t count = 0;
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      TBoardCell& cell = state_.Board[CellNumber(x, y)];
      cell.Color = kEmpty;
      cell.Number = count++;
    }
  }
}

bool GameEngine::HasFreeCell() const {
  for (const TBoardCell& cell : state_.Board) {
    if (cell.Color == kEmpty) {
      return true;
    }
  }
  return false;
}

void GameEngine::ClearPointList() {
  state_.PointList.reset();
}

void GameEngine::AppendPoint(int32_t x, int32_t y) {
  if (!state_.PointList) {
    state_.PointList = std::make_unique<std::vector<TCellPoint>>();
  }
  state_.PointList->push_back({x, y});
}

// ---------------------------------------------------------------------------------------------
// Drawing helpers

void GameEngine::DrawBall(int frame, int32_t color, int32_t x, int32_t y) {
  // A colour outside the picture (only a hand-made game state can bring one) shows as empty
  // rather than reading beyond the balls picture.
  if (!OnBoard(x, y)) {
    return;
  }
  if (IsColor(color) && frame >= 0 && frame < kBallColumns) {
    world_.DrawBallFrame(frame, color, Picture::kBalls, CellNumber(x, y));
  } else {
    world_.DrawEmptyCell(CellNumber(x, y));
  }
}

void GameEngine::DrawEmpty(int32_t x, int32_t y) {
  if (OnBoard(x, y)) {
    world_.DrawEmptyCell(CellNumber(x, y));
  }
}

void GameEngine::Announce(int slot) {
  const TNextBall& r = state_.NextBalls[slot];
  // The display mode may have changed while no ball was announced, when nothing redraws the
  // previews.
  if (previews_visible_[slot] != ShowsPreviews()) {
    SetPreviewVisible(slot, ShowsPreviews());
  }
  if (ShowsPreviews() && IsColor(r.Color)) {
    world_.DrawPreview(slot, r.Color);
  }
  if (ShowsMarks()) {
    DrawBall(kFrameMark, r.Color, r.X, r.Y);
  }
}

void GameEngine::SetPreviewVisible(int slot, bool visible) {
  previews_visible_[slot] = visible;
  world_.SetPreviewVisible(slot, visible);
}

// ---------------------------------------------------------------------------------------------
// Path finding and moves

void GameEngine::CellClick(int n) {
  if (exited_ || n < 0 || n >= kCellCount || !state_.GameActive) {
    return;
  }
  const int32_t x = CellX(n);
  const int32_t y = CellY(n);
  outcome_ = {};
  if (state_.Board[n].Color != kEmpty) {
    outcome_.kind = TurnOutcome::Kind::kSelected;
    outcome_.color = state_.Board[n].Color;
    outcome_.from = n;
    if (state_.SelX == kNone) {
      state_.SelX = x;
      state_.SelY = y;
      state_.JumpFrame = kFrameJumpFirst;
      StartTimer1();
    } else if (state_.SelX == x && state_.SelY == y) {
      // A selected ball stays selected until another one is chosen or it moves.
    } else {
      StopTimer1();
      DrawBall(kFrameRest, SelectedColor(), state_.SelX, state_.SelY);
      state_.SelX = x;
      state_.SelY = y;
      state_.JumpFrame = kFrameJumpFirst;
      StartTimer1();
    }
    return;
  }
  if (state_.SelX == kNone) {
    return;
  }
  if (!FindPath(x, y)) {
    outcome_.kind = TurnOutcome::Kind::kNoPath;
    outcome_.color = SelectedColor();
    outcome_.from = CellNumber(state_.SelX, state_.SelY);
    outcome_.to = n;
    if (settings_.CheckNoPath) {
      world_.PlaySoundFile(settings_.Sound_NoPath);
    }
    return;
  }
  MoveSelectedBall(x, y);
}

void GameEngine::MoveSelectedBall(int32_t tx, int32_t ty) {
  StopTimer1();
  const int32_t sx = state_.SelX;
  const int32_t sy = state_.SelY;
  const int32_t z = state_.Board[CellNumber(sx, sy)].Color;
  if (settings_.ShowWalk) {
    DrawBall(kFrameRest, z, sx, sy);
  } else {
    DrawEmpty(sx, sy);
  }

  TCellPoint p{sx, sy};
  // A found path is at most 80 steps long; the bound only guards a corrupted wave.
  for (int steps = 0; TracePathStep(p) && steps < kCellCount; ++steps) {
  }
  AnimateWalk(WalkMode::kShowing);
  if (settings_.ShowWalk) {
    AnimateWalk(WalkMode::kErasing);
  }
  ClearPointList();

  DrawEmpty(sx, sy);
  state_.Board[CellNumber(sx, sy)].Color = kEmpty;
  state_.SelX = kNone;
  state_.SelY = kNone;
  DrawBall(kFrameRest, z, tx, ty);
  state_.Board[CellNumber(tx, ty)].Color = z;
  state_.JumpFrame = kFrameJumpFirst;

  outcome_.kind = TurnOutcome::Kind::kMoved;
  outcome_.color = z;
  outcome_.from = CellNumber(sx, sy);
  outcome_.to = CellNumber(tx, ty);
  const uint32_t score_before = state_.Score;
  const uint32_t k = RemoveFigures(z);
  outcome_.removed = k;
  outcome_.points = state_.Score - score_before;
  for (int slot = 0; slot < 3; ++slot) {
    TNextBall& r = state_.NextBalls[slot];
    if (r.X != tx || r.Y != ty) {
      continue;
    }
    if (k == 0) {
      const int32_t color = r.Color;
      PlaceRandomBall(r);
      r.Color = color;
    } else if (state_.Board[CellNumber(tx, ty)].Color != kEmpty) {
      // The removed figure did not take the moved ball, so it still stands on the reserved cell
      // and no appearance follows to fill a new cell: move the reservation to a new empty cell
      // now, keep that cell empty and announce it there, rather than hiding the ball under the
      // mark and letting the next appearance overwrite it. The other slots' cells are kept out of
      // the draw: a shared cell would outlive this turn, and a ball later moved onto it would be
      // overwritten by the slot that stays there. The removal freed cells, so one is left.
      std::array<int, 3> held{};
      size_t held_count = 0;
      for (const TNextBall& other : state_.NextBalls) {
        if (&other != &r && OnBoard(other.X, other.Y) &&
            state_.Board[CellNumber(other.X, other.Y)].Color == kEmpty) {
          held[held_count] = CellNumber(other.X, other.Y);
          state_.Board[held[held_count++]].Color = 0;
        }
      }
      const int32_t color = r.Color;
      PlaceRandomBall(r);
      r.Color = color;
      for (size_t i = 0; i < held_count; ++i) {
        state_.Board[held[i]].Color = kEmpty;
      }
      if (r.X != kNone) {
        state_.Board[CellNumber(r.X, r.Y)].Color = kEmpty;
        if (ShowsMarks()) {
          DrawBall(kFrameMark, r.Color, r.X, r.Y);
        }
      }
    } else if (ShowsMarks()) {
      DrawBall(kFrameMark, r.Color, tx, ty);
    }
    break;
  }
  if (k == 0) {
    EndTurn();
  }
}

bool GameEngine::FindPath(int32_t tx, int32_t ty) {
  if (!OnBoard(tx, ty) || !OnBoard(state_.SelX, state_.SelY)) {
    return false;
  }
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      state_.WaveGrid[x + 1][y + 1] =
          state_.Board[CellNumber(x, y)].Color == kEmpty ? kUnreached : kBlocked;
    }
  }
  state_.WaveGrid[tx + 1][ty + 1] = 0;
  state_.WaveGrid[state_.SelX + 1][state_.SelY + 1] = kGoal;
  for (int i = 0; i < kGridSize; ++i) {
    state_.WaveGrid[0][i] = kBlocked;
    state_.WaveGrid[kGridSize - 1][i] = kBlocked;
    state_.WaveGrid[i][0] = kBlocked;
    state_.WaveGrid[i][kGridSize - 1] = kBlocked;
  }
  for (int32_t m = 0; m <= 253; ++m) {
    for (int gx = 1; gx <= 9; ++gx) {
      for (int gy = 1; gy <= 9; ++gy) {
        if (state_.WaveGrid[gx][gy] != m) {
          continue;
        }
        int32_t* const neighbours[4] = {&state_.WaveGrid[gx][gy + 1], &state_.WaveGrid[gx][gy - 1],
                                        &state_.WaveGrid[gx + 1][gy], &state_.WaveGrid[gx - 1][gy]};
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

bool GameEngine::TracePathStep(TCellPoint& p) {
  const int32_t gx = p.X + 1;
  const int32_t gy = p.Y + 1;
  if (gx < 1 || gx > 9 || gy < 1 || gy > 9) {
    return false;
  }
  const TCellPoint candidates[4] = {{p.X + 1, p.Y}, {p.X, p.Y + 1}, {p.X - 1, p.Y}, {p.X, p.Y - 1}};
  int32_t best = 65535;
  TCellPoint choice = p;
  for (const TCellPoint& c : candidates) {
    const int32_t v = state_.WaveGrid[c.X + 1][c.Y + 1];
    if (v < best) {
      best = v;
      choice = c;
    }
  }
  AppendPoint(p.X, p.Y);
  p = choice;
  return best != 0;
}

// ---------------------------------------------------------------------------------------------
// Figures and scoring

uint32_t GameEngine::RemoveFigures(int32_t z) {
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      state_.MatchGrid[x + 1][y + 1] = {
          state_.Board[CellNumber(x, y)].Color == z ? kUnreached : kBlocked, kUnmarked};
    }
  }
  for (int i = 0; i < kGridSize; ++i) {
    state_.MatchGrid[0][i].State = kBlocked;
    state_.MatchGrid[kGridSize - 1][i].State = kBlocked;
    state_.MatchGrid[i][0].State = kBlocked;
    state_.MatchGrid[i][kGridSize - 1].State = kBlocked;
  }
  if (state_.GameType == kLines) {
    MarkLines();
  } else if (state_.GameType == kSquares) {
    MarkSquares();
  } else {
    MarkBlocks();
  }

  uint32_t b = 0;
  for (int gx = 1; gx <= 10; ++gx) {
    for (int gy = 1; gy <= 10; ++gy) {
      if (state_.MatchGrid[gx][gy].Mark == kMarked) {
        AppendPoint(gx - 1, gy - 1);
        state_.Board[CellNumber(gx - 1, gy - 1)].Color = kEmpty;
        ++b;
      }
    }
  }
  if (b > 0) {
    AnimateDestroy(z);
    const uint32_t smallest = state_.GameType == kLines ? 4 : state_.GameType == kSquares ? 3 : 6;
    state_.Score += b * (b - smallest);
    world_.DrawNumber(NumberDisplay::kScore, state_.Score);
  }
  ClearPointList();
  return b;
}

void GameEngine::MarkLines() {
  auto run_of_five = [this](int gx, int gy, int dx, int dy) {
    for (int k = 0; k < 5; ++k) {
      if (state_.MatchGrid[gx + k * dx][gy + k * dy].State != kUnreached) {
        return;
      }
    }
    for (int k = 0; k < 5; ++k) {
      state_.MatchGrid[gx + k * dx][gy + k * dy].Mark = kMarked;
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

void GameEngine::MarkSquares() {
  for (int gx = 1; gx <= 10; ++gx) {
    for (int gy = 1; gy <= 10; ++gy) {
      if (gx + 1 < 10 && gy + 1 < 10 && state_.MatchGrid[gx][gy].State == kUnreached &&
          state_.MatchGrid[gx + 1][gy].State == kUnreached &&
          state_.MatchGrid[gx][gy + 1].State == kUnreached &&
          state_.MatchGrid[gx + 1][gy + 1].State == kUnreached) {
        state_.MatchGrid[gx][gy].Mark = kMarked;
        state_.MatchGrid[gx + 1][gy].Mark = kMarked;
        state_.MatchGrid[gx][gy + 1].Mark = kMarked;
        state_.MatchGrid[gx + 1][gy + 1].Mark = kMarked;
      }
    }
  }
}

void GameEngine::MarkBlocks() {
  bool found = false;
  for (int gy = 1; gy <= 10 && !found; ++gy) {
    for (int gx = 1; gx <= 10; ++gx) {
      state_.BlockCount = 0;
      ClearPointList();
      FloodBlock(gx, gy);
      if (state_.BlockCount > 6) {
        found = true;
        break;
      }
    }
  }
  if (found && state_.PointList) {
    for (const TCellPoint& p : *state_.PointList) {
      state_.MatchGrid[p.X][p.Y].Mark = kMarked;
    }
  }
  ClearPointList();
}

void GameEngine::FloodBlock(int32_t gx, int32_t gy) {
  if (gx < 0 || gx >= kGridSize || gy < 0 || gy >= kGridSize ||
      state_.MatchGrid[gx][gy].State != kUnreached) {
    return;
  }
  auto state = [this](int32_t x, int32_t y) { return state_.MatchGrid[x][y].State; };
  state_.MatchGrid[gx][gy].State = kFlooded;
  ++state_.BlockCount;
  AppendPoint(gx, gy);
  if (gx + 1 < 10 && state(gx + 1, gy) == kUnreached) {
    FloodBlock(gx + 1, gy);
  }
  if (gx + 1 < 10 && state(gx + 1, gy) == kFlooded) {
    if (gy + 1 < 10 && state(gx, gy + 1) == kUnreached) {
      FloodBlock(gx, gy + 1);
    }
    if (gy - 1 > 0 && state(gx, gy - 1) == kUnreached) {
      FloodBlock(gx, gy - 1);
    }
  }
  if (gx - 1 > 0 && state(gx - 1, gy) == kUnreached) {
    FloodBlock(gx - 1, gy);
  }
  if (gx - 1 > 0 && state(gx - 1, gy) == kFlooded) {
    if (gy - 1 > 0 && state(gx, gy - 1) == kUnreached) {
      FloodBlock(gx, gy - 1);
    }
    if (gy + 1 < 10 && state(gx, gy + 1) == kUnreached) {
      FloodBlock(gx, gy + 1);
    }
  }
  if (gy + 1 < 10 && state(gx, gy + 1) == kUnreached) {
    FloodBlock(gx, gy + 1);
  }
}

// ---------------------------------------------------------------------------------------------
// Spawning and next balls

void GameEngine::Randomize(uint32_t seconds) {
  rand_state_ = static_cast<uint32_t>(seconds * uint32_t{22695477} + 1u);
}

uint32_t GameEngine::NextRandom() {
  rand_state_ = rand_state_ * kRandomMultiplier + 1;
  return static_cast<uint32_t>(rand_state_ >> 32) & 0x7FFFFFFFu;
}

void GameEngine::PlaceRandomBall(TNextBall& r) {
  if (!HasFreeCell()) {
    r.X = kNone;
    return;
  }
  for (;;) {
    const int32_t x = static_cast<int32_t>(NextRandom() % kBoardSize);
    const int32_t y = static_cast<int32_t>(NextRandom() % kBoardSize);
    TBoardCell& cell = state_.Board[CellNumber(x, y)];
    if (cell.Color == kEmpty) {
      const int32_t k = static_cast<int32_t>(NextRandom() % kColorCount);
      cell.Color = k;
      r = {x, y, k};
      return;
    }
  }
}

void GameEngine::PlaceStartBalls() {
  std::array<TNextBall, 5> balls{};
  for (TNextBall& ball : balls) {
    PlaceRandomBall(ball);
    if (ball.X == kNone) {
      state_.GameActive = false;
      return;
    }
  }
  for (const TNextBall& ball : balls) {
    DrawBall(kFrameRest, ball.Color, ball.X, ball.Y);
  }
}

bool GameEngine::ReserveNextBalls() {
  for (size_t i = 0; i < state_.NextBalls.size(); ++i) {
    PlaceRandomBall(state_.NextBalls[i]);
    if (state_.NextBalls[i].X == kNone) {
      // The slots after the failing one would still name the cells of the balls that have just
      // appeared; a later RefreshNextBalls would then draw marks over those balls.
      for (size_t j = i + 1; j < state_.NextBalls.size(); ++j) {
        state_.NextBalls[j].X = kNone;
      }
      return false;
    }
  }
  return true;
}

void GameEngine::AnnounceNextBalls() {
  for (int slot = 0; slot < 3; ++slot) {
    Announce(slot);
    const TNextBall& r = state_.NextBalls[slot];
    if (OnBoard(r.X, r.Y)) {
      state_.Board[CellNumber(r.X, r.Y)].Color = kEmpty;
    }
  }
}

void GameEngine::RefreshNextBalls(RefreshReason reason) {
  if (exited_ || state_.NextBalls[0].X == kNone) {
    return;
  }
  for (int slot = 0; slot < 3; ++slot) {
    const TNextBall& r = state_.NextBalls[slot];
    if (r.X == kNone) {
      continue;
    }
    if (ShowsPreviews()) {
      SetPreviewVisible(slot, true);
      if (IsColor(r.Color)) {
        world_.DrawPreview(slot, r.Color);
      }
    } else {
      for (int i = 0; i < 3; ++i) {
        SetPreviewVisible(i, false);
      }
    }
    if (ShowsMarks()) {
      DrawBall(kFrameMark, r.Color, r.X, r.Y);
    } else if (reason == RefreshReason::kDisplayMode) {
      DrawEmpty(r.X, r.Y);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Turn flow

void GameEngine::NewGame(bool keep) {
  if (exited_) {
    return;
  }
  StopClock();
  state_.GameSeconds = 0;
  world_.DrawClock(state_.GameSeconds);
  if (!keep) {
    state_.GameType = settings_.DefaultGame;
  }
  StartGame(state_.GameType);
  if (exited_) {
    return;
  }
  StartClockOrExit();
}

void GameEngine::NewGameOfType(int32_t v) {
  state_.GameType = v;
  NewGame(true);
}

void GameEngine::ApplyDefaultGame() {
  if (exited_ || state_.NextBalls[0].X != kNone) {
    return;
  }
  HighScorePoints points{};
  if (!ReadTable(settings_.DefaultGame, points)) {
    return;
  }
  state_.ChampScore = BestTablePoints(points);
  state_.GameType = settings_.DefaultGame;
  world_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
  if (!world_.DrawGameType(state_.GameType)) {
    Exit(kExitStatusOther);
  }
}

void GameEngine::StartGame(int32_t v) {
  if (exited_) {
    return;
  }
  StopTimer1();
  state_.SelX = kNone;
  state_.SelY = kNone;
  state_.GameType = v;
  HighScorePoints points{};
  if (!ReadTable(v, points)) {
    return;
  }
  state_.ChampScore = BestTablePoints(points);
  state_.Score = 0;
  state_.NewRecordMode = false;
  state_.GameActive = true;
  for (TNextBall& slot : state_.NextBalls) {
    slot.X = kNone;
  }
  ClearPointList();
  InitBoard();
  world_.DrawNumber(NumberDisplay::kScore, state_.Score);
  world_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
  if (!world_.DrawGameType(state_.GameType)) {
    Exit(kExitStatusOther);
    return;
  }
  for (int n = 0; n < kCellCount; ++n) {
    world_.DrawEmptyCell(n);
  }
  PlaceStartBalls();
  EndTurn();
  if (exited_) {
    return;
  }
  if (state_.GameActive) {
    world_.SetSaveEnabled(true);
  }
}

void GameEngine::EndTurn() {
  if (exited_) {
    return;
  }
  AnimateAppearance();
  outcome_.appeared.clear();
  for (const TNextBall& slot : state_.NextBalls) {
    if (slot.X == kNone) {
      // Nothing appears unless all three slots hold a cell.
      outcome_.appeared.clear();
      break;
    }
    outcome_.appeared.push_back(slot);
  }
  outcome_.removed_by_appeared = 0;
  const uint32_t score_before = state_.Score;
  CheckNewBalls();
  outcome_.points_by_appeared = state_.Score - score_before;
  if (!ReserveNextBalls()) {
    GameEnd();
    return;
  }
  AnnounceNextBalls();
}

void GameEngine::CheckNewBalls() {
  for (const TNextBall& slot : state_.NextBalls) {
    if (slot.X == kNone) {
      break;
    }
    outcome_.removed_by_appeared += RemoveFigures(slot.Color);
  }
}

void GameEngine::GameEnd() {
  StopClock();
  state_.GameActive = false;
  outcome_.game_over = true;
  world_.SetSaveEnabled(false);
  HighScorePoints points{};
  if (!ReadTable(state_.GameType, points)) {
    return;
  }
  bool again = false;
  if (ScoreEntersTable(points, state_.Score)) {
    world_.ShowMessage("Congratulation!", kMainCaption, MessageKind::kInformation);
    world_.PlayResourceSound("WIN_GAME", false);
    state_.NewRecordMode = true;
    world_.ShowBestResults(state_.GameType, state_.NewRecordMode, state_.Score);
    state_.NewRecordMode = false;
    if (state_.Score > state_.ChampScore) {
      state_.ChampScore = state_.Score;
      world_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
    }
    again = world_.AskYesNo("Begin new game?", kMainCaption, MessageKind::kQuestion, false);
  } else {
    again =
        world_.AskYesNo("Game Over. Begin new game?", kMainCaption, MessageKind::kQuestion, false);
  }
  if (again && !exited_) {
    // The outcome stays that of the turn that ended the game, not of the new game's start.
    const TurnOutcome ended = outcome_;
    NewGame(false);
    outcome_ = ended;
  }
}

void GameEngine::ResumeLoadedGame() {
  if (exited_) {
    return;
  }
  if (timer1_enabled_) {
    StopTimer1();
    state_.JumpFrame = kFrameJumpFirst;
  }
  StopClock();
  state_.GameSeconds = 0;
  world_.DrawClock(state_.GameSeconds);
  for (int n = 0; n < kCellCount; ++n) {
    const int32_t color = state_.Board[n].Color;
    if (color == kEmpty) {
      world_.DrawEmptyCell(n);
    } else {
      DrawBall(kFrameRest, color, CellX(n), CellY(n));
    }
  }
  for (int slot = 0; slot < 3; ++slot) {
    if (state_.NextBalls[slot].X != kNone) {
      Announce(slot);
    }
  }
  world_.DrawNumber(NumberDisplay::kScore, state_.Score);
  HighScorePoints points{};
  if (!ReadTable(state_.GameType, points)) {
    return;
  }
  state_.ChampScore = BestTablePoints(points);
  world_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
  if (!world_.DrawGameType(state_.GameType)) {
    Exit(kExitStatusOther);
    return;
  }
  state_.GameActive = true;
  StartClockOrExit();
  if (exited_) {
    return;
  }
  if (state_.SelX != kNone) {
    StartTimer1();
  }
  world_.SetSaveEnabled(true);
}

SavedGameState GameEngine::SavedState() const {
  SavedGameState state;
  state.GameType = state_.GameType;
  state.Score = state_.Score;
  state.Board = state_.Board;
  state.NextBalls = state_.NextBalls;
  state.SelX = state_.SelX;
  state.SelY = state_.SelY;
  return state;
}

bool GameEngine::LoadState(const SavedGameState& state) {
  if (!IsPlayableState(state)) {
    return false;
  }
  state_.GameType = state.GameType;
  state_.Score = state.Score;
  state_.Board = state.Board;
  state_.NextBalls = state.NextBalls;
  state_.SelX = state.SelX;
  state_.SelY = state.SelY;
  return true;
}

// ---------------------------------------------------------------------------------------------
// Animations and timers

void GameEngine::Timer1Timer() {
  if (exited_ || !timer1_enabled_ || !OnBoard(state_.SelX, state_.SelY)) {
    return;
  }
  // Frame 24 lies beyond the picture: that tick leaves the cell as the previous one drew it, which
  // keeps the nine-tick cycle and the place of the sound.
  if (state_.JumpFrame >= kFrameJumpFirst && state_.JumpFrame < kFrameJumpLast) {
    DrawBall(state_.JumpFrame, SelectedColor(), state_.SelX, state_.SelY);
  }
  if (state_.JumpFrame >= kFrameJumpLast) {
    state_.JumpFrame = kFrameJumpFirst;
  } else {
    ++state_.JumpFrame;
  }
  if (state_.JumpFrame == kFrameJumpSound && settings_.CheckJump && !world_.IsMinimized()) {
    world_.PlaySoundFileIfIdle(settings_.Sound_Jump);
  }
}

void GameEngine::ClockTick() {
  // After 99:59:59 the clock starts again from 00:00:00. Only this thread counts while the clock
  // runs, so the read and the store need not be one step.
  uint32_t seconds = state_.GameSeconds.load() + 1;
  if (seconds >= kClockWrap) {
    seconds = 0;
  }
  state_.GameSeconds.store(seconds);
  world_.DrawClock(seconds);
}

void GameEngine::AnimateWalk(WalkMode mode) {
  if (!state_.PointList || state_.PointList->size() < 2) {
    return;
  }
  const std::vector<TCellPoint>& points = *state_.PointList;
  const int32_t z = SelectedColor();
  for (size_t i = 1; i < points.size(); ++i) {
    const TCellPoint& p = points[i];
    if (mode == WalkMode::kErasing) {
      RestoreCell(p.X, p.Y);
      continue;
    }
    if (settings_.ShowWalk) {
      const TCellPoint& q = points[i - 1];
      int column = -1;
      if (p.X == q.X && p.Y > q.Y) {
        column = kWalkDown;
      } else if (p.X == q.X && p.Y < q.Y) {
        column = kWalkUp;
      } else if (p.X > q.X && p.Y == q.Y) {
        column = kWalkRight;
      } else if (p.X < q.X && p.Y == q.Y) {
        column = kWalkLeft;
      }
      if (column >= 0 && OnBoard(p.X, p.Y)) {
        world_.DrawBallFrame(column, 0, Picture::kWalk, CellNumber(p.X, p.Y));
      }
      if (settings_.CheckMove) {
        world_.PlaySoundFile(settings_.Sound_Move);
      }
      world_.WaitMs(settings_.Delay_Move);
    } else {
      DrawBall(kFrameRest, z, p.X, p.Y);
      if (settings_.CheckMove) {
        world_.PlaySoundFile(settings_.Sound_Move);
      }
      world_.WaitMs(settings_.Delay_Move);
      RestoreCell(p.X, p.Y);
    }
  }
}

void GameEngine::AnimateDestroy(int32_t z) {
  if (!state_.PointList) {
    return;
  }
  for (int f = 1; f <= 10; ++f) {
    for (const TCellPoint& p : *state_.PointList) {
      if (f < 10) {
        DrawBall(f, z, p.X, p.Y);
      } else {
        DrawEmpty(p.X, p.Y);
      }
    }
    if (f == 1 && settings_.CheckDestroy) {
      world_.PlaySoundFile(settings_.Sound_Destroy);
    }
    if (f < 10) {
      world_.WaitMs(settings_.Delay_Destroy);
    }
  }
}

void GameEngine::AnimateAppearance() {
  for (const TNextBall& slot : state_.NextBalls) {
    if (slot.X == kNone) {
      return;
    }
  }
  for (int i = 0; i < 4; ++i) {
    for (const TNextBall& slot : state_.NextBalls) {
      state_.Board[CellNumber(slot.X, slot.Y)].Color = slot.Color;
      DrawBall(kFrameAppear + i, slot.Color, slot.X, slot.Y);
    }
    world_.WaitMs(settings_.Delay_Appearance);
  }
  for (const TNextBall& slot : state_.NextBalls) {
    state_.Board[CellNumber(slot.X, slot.Y)].Color = slot.Color;
    DrawBall(kFrameRest, slot.Color, slot.X, slot.Y);
  }
}

void GameEngine::RestoreCell(int32_t x, int32_t y) {
  if (ShowsMarks()) {
    for (const TNextBall& slot : state_.NextBalls) {
      if (slot.X == x && slot.Y == y) {
        DrawBall(kFrameMark, slot.Color, x, y);
        return;
      }
    }
  }
  DrawEmpty(x, y);
}

void GameEngine::RedrawBoard() {
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const int n = CellNumber(x, y);
      world_.DrawEmptyCell(n);
      if (state_.Board[n].Color != kEmpty) {
        DrawBall(kFrameRest, state_.Board[n].Color, x, y);
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Timers, clock and failures

int32_t GameEngine::SelectedColor() const {
  return OnBoard(state_.SelX, state_.SelY)
             ? state_.Board[CellNumber(state_.SelX, state_.SelY)].Color
             : kEmpty;
}

void GameEngine::StartTimer1() {
  if (!timer1_enabled_) {
    timer1_enabled_ = true;
    world_.StartTimer1();
  }
}

void GameEngine::StopTimer1() {
  if (timer1_enabled_) {
    timer1_enabled_ = false;
    world_.StopTimer1();
  }
}

void GameEngine::StartClockOrExit() {
  if (clock_running_) {
    return;
  }
  // The clock reports its own failure; the engine only ends the program.
  if (!world_.StartClock()) {
    Exit(kExitStatusFailure);
    return;
  }
  clock_running_ = true;
}

void GameEngine::StopClock() {
  if (clock_running_) {
    clock_running_ = false;
    world_.StopClock();
  }
}

bool GameEngine::ReadTable(int32_t variant, HighScorePoints& points) {
  if (!world_.ReadHighScores(variant, points)) {
    Exit(kExitStatusOther);
    return false;
  }
  return true;
}

void GameEngine::Exit(int status) {
  exited_ = true;
  world_.ExitProgram(status);
}

}  // namespace orbello
