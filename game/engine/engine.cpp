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

constexpr uint64_t kRandomMultiplier = (uint64_t{346} << 32) + 20021;

const char kMainCaption[] = "Orbello";

bool OnBoard(int32_t x, int32_t y) {
  return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
}

bool IsColor(int32_t c) {
  return c >= 0 && c < kColorCount;
}

}  // namespace

uint32_t BestTablePoints(const HighScorePoints& points) {
  return *std::max_element(points.begin(), points.end());
}

bool ScoreEntersTable(const HighScorePoints& points, uint32_t score) {
  for (size_t j = 0; j < points.size(); ++j) {
    if (points[j] < score || (points[j] == score && j < points.size() - 1)) {
      return true;
    }
  }
  return false;
}

GameEngine::GameEngine(GameWorld& world) : world_(world) {
  InitBoard();
}

// ---------------------------------------------------------------------------------------------
// Program start

bool GameEngine::StartUp(uint32_t seconds) {
  if (exited_) {
    return false;
  }
  GameSeconds = 0;
  ClearPointList();
  SelX = kNone;
  SelY = kNone;
  for (TNextBall& slot : NextBalls) {
    slot.X = kNone;
  }
  HighScorePoints points{};
  if (!ReadTable(settings_.DefaultGame, points)) {
    return false;
  }
  ChampScore = BestTablePoints(points);
  GameType = settings_.DefaultGame;
  if (!world_.DrawGameType(GameType)) {
    Exit(kExitStatusOther);
    return false;
  }
  Randomize(seconds);
  InitBoard();
  world_.DrawNumber(NumberDisplay::kScore, Score);
  world_.DrawNumber(NumberDisplay::kChamp, ChampScore);
  world_.DrawClock(GameSeconds);
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
      TBoardCell& cell = Board[CellNumber(x, y)];
      cell.Color = kEmpty;
      cell.Number = count++;
    }
  }
}

bool GameEngine::HasFreeCell() const {
  for (const TBoardCell& cell : Board) {
    if (cell.Color == kEmpty) {
      return true;
    }
  }
  return false;
}

void GameEngine::ClearPointList() {
  PointList.reset();
}

void GameEngine::AppendPoint(int32_t x, int32_t y) {
  if (!PointList) {
    PointList = std::make_unique<std::vector<TCellPoint>>();
  }
  PointList->push_back({x, y});
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
  const TNextBall& r = NextBalls[slot];
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
  if (exited_ || n < 0 || n >= kCellCount || !GameActive) {
    return;
  }
  const int32_t x = CellX(n);
  const int32_t y = CellY(n);
  if (Board[n].Color != kEmpty) {
    if (SelX == kNone) {
      SelX = x;
      SelY = y;
      JumpFrame = kFrameJumpFirst;
      StartTimer1();
    } else if (SelX == x && SelY == y) {
      // A selected ball stays selected until another one is chosen or it moves.
    } else {
      StopTimer1();
      DrawBall(kFrameRest, SelectedColor(), SelX, SelY);
      SelX = x;
      SelY = y;
      JumpFrame = kFrameJumpFirst;
      StartTimer1();
    }
    return;
  }
  if (SelX == kNone) {
    return;
  }
  if (!FindPath(x, y)) {
    if (settings_.CheckNoPath) {
      world_.PlaySoundFile(settings_.Sound_NoPath);
    }
    return;
  }
  MoveSelectedBall(x, y);
}

void GameEngine::MoveSelectedBall(int32_t tx, int32_t ty) {
  StopTimer1();
  const int32_t sx = SelX;
  const int32_t sy = SelY;
  const int32_t z = Board[CellNumber(sx, sy)].Color;
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
  Board[CellNumber(sx, sy)].Color = kEmpty;
  SelX = kNone;
  SelY = kNone;
  DrawBall(kFrameRest, z, tx, ty);
  Board[CellNumber(tx, ty)].Color = z;
  JumpFrame = kFrameJumpFirst;

  const uint32_t k = RemoveFigures(z);
  for (int slot = 0; slot < 3; ++slot) {
    TNextBall& r = NextBalls[slot];
    if (r.X != tx || r.Y != ty) {
      continue;
    }
    if (k == 0) {
      const int32_t color = r.Color;
      PlaceRandomBall(r);
      r.Color = color;
    } else if (Board[CellNumber(tx, ty)].Color != kEmpty) {
      // The removed figure did not take the moved ball, so it still stands on the reserved cell
      // and no appearance follows to fill a new cell: move the reservation to a new empty cell
      // now, keep that cell empty and announce it there, rather than hiding the ball under the
      // mark and letting the next appearance overwrite it. The other slots' cells are kept out of
      // the draw: a shared cell would outlive this turn, and a ball later moved onto it would be
      // overwritten by the slot that stays there. The removal freed cells, so one is left.
      std::array<int, 3> held{};
      size_t held_count = 0;
      for (const TNextBall& other : NextBalls) {
        if (&other != &r && OnBoard(other.X, other.Y) &&
            Board[CellNumber(other.X, other.Y)].Color == kEmpty) {
          held[held_count] = CellNumber(other.X, other.Y);
          Board[held[held_count++]].Color = 0;
        }
      }
      const int32_t color = r.Color;
      PlaceRandomBall(r);
      r.Color = color;
      for (size_t i = 0; i < held_count; ++i) {
        Board[held[i]].Color = kEmpty;
      }
      if (r.X != kNone) {
        Board[CellNumber(r.X, r.Y)].Color = kEmpty;
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
  if (!OnBoard(tx, ty) || !OnBoard(SelX, SelY)) {
    return false;
  }
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      WaveGrid[x + 1][y + 1] = Board[CellNumber(x, y)].Color == kEmpty ? kUnreached : kBlocked;
    }
  }
  WaveGrid[tx + 1][ty + 1] = 0;
  WaveGrid[SelX + 1][SelY + 1] = kGoal;
  for (int i = 0; i < kGridSize; ++i) {
    WaveGrid[0][i] = kBlocked;
    WaveGrid[kGridSize - 1][i] = kBlocked;
    WaveGrid[i][0] = kBlocked;
    WaveGrid[i][kGridSize - 1] = kBlocked;
  }
  for (int32_t m = 0; m <= 253; ++m) {
    for (int gx = 1; gx <= 9; ++gx) {
      for (int gy = 1; gy <= 9; ++gy) {
        if (WaveGrid[gx][gy] != m) {
          continue;
        }
        int32_t* const neighbours[4] = {&WaveGrid[gx][gy + 1], &WaveGrid[gx][gy - 1],
                                        &WaveGrid[gx + 1][gy], &WaveGrid[gx - 1][gy]};
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
    const int32_t v = WaveGrid[c.X + 1][c.Y + 1];
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
      MatchGrid[x + 1][y + 1] = {Board[CellNumber(x, y)].Color == z ? kUnreached : kBlocked,
                                 kUnmarked};
    }
  }
  for (int i = 0; i < kGridSize; ++i) {
    MatchGrid[0][i].State = kBlocked;
    MatchGrid[kGridSize - 1][i].State = kBlocked;
    MatchGrid[i][0].State = kBlocked;
    MatchGrid[i][kGridSize - 1].State = kBlocked;
  }
  if (GameType == kLines) {
    MarkLines();
  } else if (GameType == kSquares) {
    MarkSquares();
  } else {
    MarkBlocks();
  }

  uint32_t b = 0;
  for (int gx = 1; gx <= 10; ++gx) {
    for (int gy = 1; gy <= 10; ++gy) {
      if (MatchGrid[gx][gy].Mark == kMarked) {
        AppendPoint(gx - 1, gy - 1);
        Board[CellNumber(gx - 1, gy - 1)].Color = kEmpty;
        ++b;
      }
    }
  }
  if (b > 0) {
    AnimateDestroy(z);
    const uint32_t smallest = GameType == kLines ? 4 : GameType == kSquares ? 3 : 6;
    Score += b * (b - smallest);
    world_.DrawNumber(NumberDisplay::kScore, Score);
  }
  ClearPointList();
  return b;
}

void GameEngine::MarkLines() {
  auto run_of_five = [this](int gx, int gy, int dx, int dy) {
    for (int k = 0; k < 5; ++k) {
      if (MatchGrid[gx + k * dx][gy + k * dy].State != kUnreached) {
        return;
      }
    }
    for (int k = 0; k < 5; ++k) {
      MatchGrid[gx + k * dx][gy + k * dy].Mark = kMarked;
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
      if (gx + 1 < 10 && gy + 1 < 10 && MatchGrid[gx][gy].State == kUnreached &&
          MatchGrid[gx + 1][gy].State == kUnreached && MatchGrid[gx][gy + 1].State == kUnreached &&
          MatchGrid[gx + 1][gy + 1].State == kUnreached) {
        MatchGrid[gx][gy].Mark = kMarked;
        MatchGrid[gx + 1][gy].Mark = kMarked;
        MatchGrid[gx][gy + 1].Mark = kMarked;
        MatchGrid[gx + 1][gy + 1].Mark = kMarked;
      }
    }
  }
}

void GameEngine::MarkBlocks() {
  bool found = false;
  for (int gy = 1; gy <= 10 && !found; ++gy) {
    for (int gx = 1; gx <= 10; ++gx) {
      BlockCount = 0;
      ClearPointList();
      FloodBlock(gx, gy);
      if (BlockCount > 6) {
        found = true;
        break;
      }
    }
  }
  if (found && PointList) {
    for (const TCellPoint& p : *PointList) {
      MatchGrid[p.X][p.Y].Mark = kMarked;
    }
  }
  ClearPointList();
}

void GameEngine::FloodBlock(int32_t gx, int32_t gy) {
  if (gx < 0 || gx >= kGridSize || gy < 0 || gy >= kGridSize ||
      MatchGrid[gx][gy].State != kUnreached) {
    return;
  }
  auto state = [this](int32_t x, int32_t y) { return MatchGrid[x][y].State; };
  MatchGrid[gx][gy].State = kFlooded;
  ++BlockCount;
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
    TBoardCell& cell = Board[CellNumber(x, y)];
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
      GameActive = false;
      return;
    }
  }
  for (const TNextBall& ball : balls) {
    DrawBall(kFrameRest, ball.Color, ball.X, ball.Y);
  }
}

bool GameEngine::ReserveNextBalls() {
  for (size_t i = 0; i < NextBalls.size(); ++i) {
    PlaceRandomBall(NextBalls[i]);
    if (NextBalls[i].X == kNone) {
      // The slots after the failing one would still name the cells of the balls that have just
      // appeared; a later RefreshNextBalls would then draw marks over those balls.
      for (size_t j = i + 1; j < NextBalls.size(); ++j) {
        NextBalls[j].X = kNone;
      }
      return false;
    }
  }
  return true;
}

void GameEngine::AnnounceNextBalls() {
  for (int slot = 0; slot < 3; ++slot) {
    Announce(slot);
    const TNextBall& r = NextBalls[slot];
    if (OnBoard(r.X, r.Y)) {
      Board[CellNumber(r.X, r.Y)].Color = kEmpty;
    }
  }
}

void GameEngine::RefreshNextBalls(RefreshReason reason) {
  if (exited_ || NextBalls[0].X == kNone) {
    return;
  }
  for (int slot = 0; slot < 3; ++slot) {
    const TNextBall& r = NextBalls[slot];
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
  GameSeconds = 0;
  world_.DrawClock(GameSeconds);
  if (!keep) {
    GameType = settings_.DefaultGame;
  }
  StartGame(GameType);
  if (exited_) {
    return;
  }
  StartClockOrExit();
}

void GameEngine::StartGame(int32_t v) {
  if (exited_) {
    return;
  }
  StopTimer1();
  SelX = kNone;
  SelY = kNone;
  GameType = v;
  HighScorePoints points{};
  if (!ReadTable(v, points)) {
    return;
  }
  ChampScore = BestTablePoints(points);
  Score = 0;
  NewRecordMode = false;
  GameActive = true;
  for (TNextBall& slot : NextBalls) {
    slot.X = kNone;
  }
  ClearPointList();
  InitBoard();
  world_.DrawNumber(NumberDisplay::kScore, Score);
  world_.DrawNumber(NumberDisplay::kChamp, ChampScore);
  if (!world_.DrawGameType(GameType)) {
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
  if (GameActive) {
    world_.SetSaveEnabled(true);
  }
}

void GameEngine::EndTurn() {
  if (exited_) {
    return;
  }
  AnimateAppearance();
  CheckNewBalls();
  if (!ReserveNextBalls()) {
    GameEnd();
    return;
  }
  AnnounceNextBalls();
}

void GameEngine::CheckNewBalls() {
  for (const TNextBall& slot : NextBalls) {
    if (slot.X == kNone) {
      break;
    }
    RemoveFigures(slot.Color);
  }
}

void GameEngine::GameEnd() {
  StopClock();
  GameActive = false;
  world_.SetSaveEnabled(false);
  HighScorePoints points{};
  if (!ReadTable(GameType, points)) {
    return;
  }
  bool again = false;
  if (ScoreEntersTable(points, Score)) {
    world_.ShowMessage("Congratulation!", kMainCaption, MessageKind::kInformation);
    world_.PlayResourceSound("WIN_GAME", false);
    NewRecordMode = true;
    world_.ShowBestResults(GameType);
    NewRecordMode = false;
    if (Score > ChampScore) {
      ChampScore = Score;
      world_.DrawNumber(NumberDisplay::kChamp, ChampScore);
    }
    again = world_.AskYesNo("Begin new game?", kMainCaption, MessageKind::kQuestion, false);
  } else {
    again =
        world_.AskYesNo("Game Over. Begin new game?", kMainCaption, MessageKind::kQuestion, false);
  }
  if (again && !exited_) {
    NewGame(false);
  }
}

void GameEngine::ResumeLoadedGame() {
  if (exited_) {
    return;
  }
  if (timer1_enabled_) {
    StopTimer1();
    JumpFrame = kFrameJumpFirst;
  }
  StopClock();
  GameSeconds = 0;
  world_.DrawClock(GameSeconds);
  for (int n = 0; n < kCellCount; ++n) {
    const int32_t color = Board[n].Color;
    if (color == kEmpty) {
      world_.DrawEmptyCell(n);
    } else {
      DrawBall(kFrameRest, color, CellX(n), CellY(n));
    }
  }
  for (int slot = 0; slot < 3; ++slot) {
    if (NextBalls[slot].X != kNone) {
      Announce(slot);
    }
  }
  world_.DrawNumber(NumberDisplay::kScore, Score);
  HighScorePoints points{};
  if (!ReadTable(GameType, points)) {
    return;
  }
  ChampScore = BestTablePoints(points);
  world_.DrawNumber(NumberDisplay::kChamp, ChampScore);
  if (!world_.DrawGameType(GameType)) {
    Exit(kExitStatusOther);
    return;
  }
  GameActive = true;
  StartClockOrExit();
  if (exited_) {
    return;
  }
  if (SelX != kNone) {
    StartTimer1();
  }
  world_.SetSaveEnabled(true);
}

SavedGameState GameEngine::SavedState() const {
  SavedGameState state;
  state.GameType = GameType;
  state.Score = Score;
  state.Board = Board;
  state.NextBalls = NextBalls;
  state.SelX = SelX;
  state.SelY = SelY;
  return state;
}

bool GameEngine::LoadState(const SavedGameState& state) {
  if (!IsPlayableState(state)) {
    return false;
  }
  GameType = state.GameType;
  Score = state.Score;
  Board = state.Board;
  NextBalls = state.NextBalls;
  SelX = state.SelX;
  SelY = state.SelY;
  return true;
}

// ---------------------------------------------------------------------------------------------
// Animations and timers

void GameEngine::Timer1Timer() {
  if (exited_ || !timer1_enabled_ || !OnBoard(SelX, SelY)) {
    return;
  }
  // Frame 24 lies beyond the picture: that tick leaves the cell as the previous one drew it, which
  // keeps the nine-tick cycle and the place of the sound.
  if (JumpFrame >= kFrameJumpFirst && JumpFrame < kFrameJumpLast) {
    DrawBall(JumpFrame, SelectedColor(), SelX, SelY);
  }
  if (JumpFrame >= kFrameJumpLast) {
    JumpFrame = kFrameJumpFirst;
  } else {
    ++JumpFrame;
  }
  if (JumpFrame == kFrameJumpSound && settings_.CheckJump && !world_.IsMinimized()) {
    world_.PlaySoundFileIfIdle(settings_.Sound_Jump);
  }
}

void GameEngine::ClockTick() {
  world_.DrawClock(++GameSeconds);
}

void GameEngine::AnimateWalk(WalkMode mode) {
  if (!PointList || PointList->size() < 2) {
    return;
  }
  const std::vector<TCellPoint>& points = *PointList;
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
  if (!PointList) {
    return;
  }
  for (int f = 1; f <= 10; ++f) {
    for (const TCellPoint& p : *PointList) {
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
  for (const TNextBall& slot : NextBalls) {
    if (slot.X == kNone) {
      return;
    }
  }
  for (int i = 0; i < 4; ++i) {
    for (const TNextBall& slot : NextBalls) {
      Board[CellNumber(slot.X, slot.Y)].Color = slot.Color;
      DrawBall(kFrameAppear + i, slot.Color, slot.X, slot.Y);
    }
    world_.WaitMs(settings_.Delay_Appearance);
  }
  for (const TNextBall& slot : NextBalls) {
    Board[CellNumber(slot.X, slot.Y)].Color = slot.Color;
    DrawBall(kFrameRest, slot.Color, slot.X, slot.Y);
  }
}

void GameEngine::RestoreCell(int32_t x, int32_t y) {
  if (ShowsMarks()) {
    for (const TNextBall& slot : NextBalls) {
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
      if (Board[n].Color != kEmpty) {
        DrawBall(kFrameRest, Board[n].Color, x, y);
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Timers, clock and failures

int32_t GameEngine::SelectedColor() const {
  return OnBoard(SelX, SelY) ? Board[CellNumber(SelX, SelY)].Color : kEmpty;
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
