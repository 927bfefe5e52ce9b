#include "game/engine/engine.h"

#include <algorithm>

namespace orbello {

namespace {

constexpr int kFrameJumpFirst = 16;
constexpr int kFrameJumpLast = 24;  // one past the picture: that tick draws nothing
constexpr int kFrameJumpSound = 20;

constexpr uint32_t kClockWrap = 100 * 3600;

const char kMainCaption[] = "Orbello";

TurnOutcome::Kind OutcomeKind(rules::ClickResult::Kind kind) {
  switch (kind) {
    case rules::ClickResult::Kind::kSelected:
    case rules::ClickResult::Kind::kKept:
      return TurnOutcome::Kind::kSelected;
    case rules::ClickResult::Kind::kNoPath:
      return TurnOutcome::Kind::kNoPath;
    case rules::ClickResult::Kind::kMoved:
      return TurnOutcome::Kind::kMoved;
    case rules::ClickResult::Kind::kIgnored:
      break;
  }
  return TurnOutcome::Kind::kNothing;
}

// The part of the outcome that the end of a turn decides.
void NoteTurnEnd(const rules::TurnEnd& end, TurnOutcome& outcome) {
  outcome.appeared = end.appeared;
  outcome.removed_by_appeared = 0;
  outcome.points_by_appeared = 0;
  for (const rules::Removal& removal : end.removals) {
    outcome.removed_by_appeared += removal.count();
    outcome.points_by_appeared += removal.points;
  }
}

TurnOutcome OutcomeOf(const rules::ClickResult& click) {
  TurnOutcome outcome;
  outcome.kind = OutcomeKind(click.kind);
  if (outcome.kind == TurnOutcome::Kind::kNothing) {
    return outcome;
  }
  outcome.color = click.color;
  if (outcome.kind == TurnOutcome::Kind::kSelected) {
    outcome.from = CellNumber(click.cell.X, click.cell.Y);
    return outcome;
  }
  outcome.from = CellNumber(click.previous.X, click.previous.Y);
  outcome.to = CellNumber(click.cell.X, click.cell.Y);
  if (outcome.kind == TurnOutcome::Kind::kMoved) {
    outcome.removed = click.move.removal.count();
    outcome.points = click.move.removal.points;
    if (click.move.end) {
      NoteTurnEnd(*click.move.end, outcome);
      outcome.game_over = click.move.end->game_over;
    }
  }
  return outcome;
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
  if (player_.ShowsPreviews()) {
    for (int slot = 0; slot < 3; ++slot) {
      player_.SetPreviewVisible(slot, true);
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
  return rules::HasFreeCell(state_.Board);
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
// Path finding and moves

void GameEngine::CellClick(int n) {
  if (exited_ || n < 0 || n >= kCellCount || !state_.GameActive) {
    return;
  }
  const rules::ClickResult click = rules::Click(state_, n, random_);
  outcome_ = OutcomeOf(click);
  PlayClick(click);
}

void GameEngine::PlayClick(const rules::ClickResult& click) {
  using Kind = rules::ClickResult::Kind;
  if (click.wave) {
    state_.WaveGrid = *click.wave;
  }
  switch (click.kind) {
    case Kind::kIgnored:
    case Kind::kKept:
      return;
    case Kind::kSelected:
      if (click.previous.X != kNone) {
        StopTimer1();
        player_.DrawBall(kFrameRest, SelectedColor(), click.previous.X, click.previous.Y);
      }
      state_.SelX = click.cell.X;
      state_.SelY = click.cell.Y;
      state_.JumpFrame = kFrameJumpFirst;
      StartTimer1();
      return;
    case Kind::kNoPath:
      player_.PlayNoPath();
      return;
    case Kind::kMoved:
      StopTimer1();
      player_.PlayMove(click.move);
      state_.JumpFrame = kFrameJumpFirst;
      static_cast<Position&>(state_) = click.after;
      if (click.move.end && click.move.end->game_over) {
        GameEnd();
      }
      return;
  }
}

bool GameEngine::FindPath(int32_t tx, int32_t ty) {
  return rules::FindPath(state_.Board, {state_.SelX, state_.SelY}, {tx, ty}, state_.WaveGrid);
}

bool GameEngine::TracePathStep(TCellPoint& p) {
  if (!OnBoard(p.X, p.Y)) {
    return false;
  }
  AppendPoint(p.X, p.Y);
  return rules::TracePathStep(state_.WaveGrid, p);
}

// ---------------------------------------------------------------------------------------------
// Figures and scoring

uint32_t GameEngine::RemoveFigures(int32_t z) {
  Grid<TMatchCell> match{};
  const rules::Removal removal = rules::FindFigures(state_.Board, state_.GameType, z, match);
  player_.PlayRemoval(removal);
  ClearPointList();
  return removal.count();
}

// ---------------------------------------------------------------------------------------------
// Spawning and next balls

void GameEngine::Randomize(uint32_t seconds) {
  random_.Seed(seconds);
}

uint32_t GameEngine::NextRandom() {
  return random_.Next();
}

void GameEngine::PlaceRandomBall(TNextBall& r) {
  rules::PlaceRandomBall(state_.Board, random_, r);
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
    player_.DrawBall(kFrameRest, ball.Color, ball.X, ball.Y);
  }
}

void GameEngine::RefreshNextBalls(RefreshReason reason) {
  if (exited_ || state_.NextBalls[0].X == kNone) {
    return;
  }
  player_.RefreshNextBalls(reason);
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
  const rules::TurnEnd end = rules::EndTurn(state_, random_);
  NoteTurnEnd(end, outcome_);
  PlayTurnEnd(end);
}

void GameEngine::PlayTurnEnd(const rules::TurnEnd& end) {
  player_.PlayTurnEnd(end);
  static_cast<Position&>(state_) = end.after;
  if (end.game_over) {
    GameEnd();
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
  const rules::GameEndVerdict verdict =
      rules::JudgeGameEnd(points, state_.Score, state_.ChampScore);
  bool again = false;
  if (verdict.enters_table) {
    world_.ShowMessage("Congratulation!", kMainCaption, MessageKind::kInformation);
    world_.PlayResourceSound("WIN_GAME", false);
    state_.NewRecordMode = true;
    world_.ShowBestResults(state_.GameType, state_.NewRecordMode, state_.Score);
    state_.NewRecordMode = false;
    if (verdict.new_champion) {
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
  player_.DrawCells();
  for (int slot = 0; slot < 3; ++slot) {
    if (state_.NextBalls[slot].X != kNone) {
      player_.Announce(slot);
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

// What a saved game holds of the running one, copied either way.
template <class From, class To>
void CopySavedPart(const From& from, To& to) {
  to.GameType = from.GameType;
  to.Score = from.Score;
  to.Board = from.Board;
  to.NextBalls = from.NextBalls;
  to.SelX = from.SelX;
  to.SelY = from.SelY;
}

SavedGameState GameEngine::SavedState() const {
  SavedGameState state;
  CopySavedPart(state_, state);
  return state;
}

bool GameEngine::LoadState(const SavedGameState& state) {
  if (!IsPlayableState(state)) {
    return false;
  }
  CopySavedPart(state, state_);
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
    player_.DrawBall(state_.JumpFrame, SelectedColor(), state_.SelX, state_.SelY);
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
  if (state_.PointList) {
    player_.AnimateWalk(*state_.PointList, SelectedColor(), mode);
  }
}

void GameEngine::AnimateDestroy(int32_t z) {
  if (state_.PointList) {
    player_.AnimateDestroy(*state_.PointList, z);
  }
}

void GameEngine::AnimateAppearance() {
  player_.AnimateAppearance();
}

void GameEngine::RestoreCell(int32_t x, int32_t y) {
  player_.RestoreCell(x, y);
}

void GameEngine::RedrawBoard() {
  player_.RedrawBoard();
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
