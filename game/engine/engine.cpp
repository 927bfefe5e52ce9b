#include "game/engine/engine.h"

#include <algorithm>

namespace orbello {

namespace {

constexpr uint32_t kClockWrap = 100 * 3600;

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

GameEngine::GameEngine(GameWorld& world, BoardScreen& screen)
    : world_(world), screen_(screen), player_(screen, world, settings_) {
  InitBoard();
}

// ---------------------------------------------------------------------------------------------
// Program start

bool GameEngine::StartUp(uint32_t seconds) {
  if (exited_) {
    return false;
  }
  state_.GameSeconds = 0;
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
  screen_.DrawNumber(NumberDisplay::kScore, state_.Score);
  screen_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
  screen_.DrawClock(state_.GameSeconds);
  player_.ShowPreviews();
  return true;
}

void GameEngine::Randomize(uint32_t seconds) {
  random_.Seed(seconds);
}

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

// ---------------------------------------------------------------------------------------------
// The turn

TurnOutcome GameEngine::CellClick(int n) {
  if (exited_ || n < 0 || n >= kCellCount || !state_.GameActive) {
    return {};
  }
  const rules::ClickResult click = rules::Click(state_, n, random_);
  PlayClick(click);
  return OutcomeOf(click);
}

void GameEngine::PlayClick(const rules::ClickResult& click) {
  using Kind = rules::ClickResult::Kind;
  switch (click.kind) {
    case Kind::kIgnored:
    case Kind::kKept:
      return;
    case Kind::kSelected:
      // The jump timer runs while a ball is selected.
      if (click.previous.X != kNone) {
        world_.StopJumpTimer();
      }
      player_.PlaySelection(click, state_);
      break;
    case Kind::kNoPath:
      player_.PlayNoPath();
      return;
    case Kind::kMoved:
      world_.StopJumpTimer();
      player_.PlayMove(click.move, state_);
      break;
  }
  static_cast<Position&>(state_) = click.after;
  if (click.kind == Kind::kSelected) {
    world_.StartJumpTimer();
  } else if (click.move.end && click.move.end->game_over) {
    GameEnd();
  }
}

void GameEngine::JumpTick() {
  if (exited_ || !OnBoard(state_.SelX, state_.SelY)) {
    return;
  }
  player_.PlayJumpTick(state_);
}

void GameEngine::ClockTick() {
  // After 99:59:59 the clock starts again from 00:00:00. Only this thread counts while the clock
  // runs, so the read and the store need not be one step.
  uint32_t seconds = state_.GameSeconds.load() + 1;
  if (seconds >= kClockWrap) {
    seconds = 0;
  }
  state_.GameSeconds.store(seconds);
  screen_.DrawClock(seconds);
}

// ---------------------------------------------------------------------------------------------
// Games

void GameEngine::NewGame(bool keep) {
  if (exited_) {
    return;
  }
  StopClock();
  state_.GameSeconds = 0;
  screen_.DrawClock(state_.GameSeconds);
  if (!keep) {
    state_.GameType = settings_.DefaultGame;
  }
  StartGame(state_.GameType);
  if (exited_) {
    return;
  }
  StartClockOrExit();
}

void GameEngine::NewGameOfType(int32_t variant) {
  state_.GameType = variant;
  NewGame(true);
}

void GameEngine::StartGame(int32_t variant) {
  if (exited_) {
    return;
  }
  if (state_.SelX != kNone) {
    world_.StopJumpTimer();
  }
  state_.SelX = kNone;
  state_.SelY = kNone;
  state_.GameType = variant;
  HighScorePoints points{};
  if (!ReadTable(variant, points)) {
    return;
  }
  state_.ChampScore = BestTablePoints(points);
  state_.Score = 0;
  state_.NewRecordMode = false;
  state_.GameActive = true;
  for (TNextBall& slot : state_.NextBalls) {
    slot.X = kNone;
  }
  InitBoard();
  screen_.DrawNumber(NumberDisplay::kScore, state_.Score);
  screen_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
  if (!world_.DrawGameType(state_.GameType)) {
    Exit(kExitStatusOther);
    return;
  }
  for (int n = 0; n < kCellCount; ++n) {
    screen_.DrawEmptyCell(n);
  }
  std::vector<TNextBall> balls(5);
  for (TNextBall& ball : balls) {
    rules::PlaceRandomBall(state_.Board, random_, ball);
    if (ball.X == kNone) {
      state_.GameActive = false;
      balls.clear();
      break;
    }
  }
  player_.PlayStartBalls(balls);
  EndTurn();
  if (exited_) {
    return;
  }
  if (state_.GameActive) {
    world_.SetSaveEnabled(true);
  }
}

void GameEngine::EndTurn() {
  const rules::TurnEnd end = rules::EndTurn(state_, random_);
  player_.PlayTurnEnd(end, state_);
  static_cast<Position&>(state_) = end.after;
  if (end.game_over) {
    GameEnd();
  }
}

void GameEngine::GameEnd() {
  StopClock();
  state_.GameActive = false;
  world_.SetSaveEnabled(false);
  HighScorePoints points{};
  if (!ReadTable(state_.GameType, points)) {
    return;
  }
  const rules::GameEndVerdict verdict =
      rules::JudgeGameEnd(points, state_.Score, state_.ChampScore);
  bool again = false;
  if (verdict.enters_table) {
    world_.ShowMessage(EngineMessage::kCongratulation);
    world_.PlayResourceSound("WIN_GAME", false);
    state_.NewRecordMode = true;
    world_.ShowBestResults(state_.GameType, state_.NewRecordMode, state_.Score);
    state_.NewRecordMode = false;
    if (verdict.new_champion) {
      state_.ChampScore = state_.Score;
      screen_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
    }
    again = world_.AskYesNo(EngineMessage::kBeginNewGame, false);
  } else {
    again = world_.AskYesNo(EngineMessage::kGameOverBeginNewGame, false);
  }
  if (again && !exited_) {
    NewGame(false);
  }
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
  // The jump of the ball selected until now stops; the loaded game's own starts when it resumes.
  if (!exited_ && state_.SelX != kNone) {
    world_.StopJumpTimer();
    player_.RestartJump();
  }
  CopySavedPart(state, state_);
  return true;
}

void GameEngine::ResumeLoadedGame() {
  if (exited_) {
    return;
  }
  StopClock();
  state_.GameSeconds = 0;
  screen_.DrawClock(state_.GameSeconds);
  player_.ShowLoaded(state_);
  screen_.DrawNumber(NumberDisplay::kScore, state_.Score);
  HighScorePoints points{};
  if (!ReadTable(state_.GameType, points)) {
    return;
  }
  state_.ChampScore = BestTablePoints(points);
  screen_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
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
    world_.StartJumpTimer();
  }
  world_.SetSaveEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// Settings confirmed

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
  screen_.DrawNumber(NumberDisplay::kChamp, state_.ChampScore);
  if (!world_.DrawGameType(state_.GameType)) {
    Exit(kExitStatusOther);
  }
}

void GameEngine::RefreshNextBalls(RefreshReason reason) {
  if (exited_ || state_.NextBalls[0].X == kNone) {
    return;
  }
  player_.RefreshNextBalls(state_, reason);
}

void GameEngine::RedrawBoard() {
  player_.RedrawBoard(state_);
}

// ---------------------------------------------------------------------------------------------
// The clock and failures

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
