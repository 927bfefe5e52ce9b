// The game engine: the game state, the turn flow and the game end. The rules (rules.h) compute
// what each operation does and the turn player (turn_player.h) shows it; the engine keeps the
// state, taking each result's position once it has been shown, and runs the timers and dialogs. It
// knows nothing of windows, files or time; it reaches the world only through BoardScreen and
// GameWorld (world.h).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/engine/board.h"
#include "game/engine/rules.h"
#include "game/engine/turn_player.h"
#include "game/engine/world.h"

namespace orbello {

// What a CellClick did, so that it can be told to a player who does not see the board. It is read
// off the rules' result.
struct TurnOutcome {
  enum class Kind { kNothing, kSelected, kNoPath, kMoved };
  Kind kind = Kind::kNothing;
  int32_t color = kEmpty;  // of the selected or moved ball
  int from = -1;           // cell number of the selected or moved ball
  int to = -1;             // cell number the ball moved to
  uint32_t removed = 0;    // balls the move removed, and the points for them
  uint32_t points = 0;
  std::vector<TNextBall> appeared;   // the balls that appeared after a move that removed nothing
  uint32_t removed_by_appeared = 0;  // balls the appeared ones removed, and the points for them
  uint32_t points_by_appeared = 0;
  bool game_over = false;
};

// The game state the engine owns: the position the rules play on, and beside it what only the
// engine and the window need.
struct EngineState : Position {
  bool GameActive = false;
  uint32_t ChampScore = 0;
  bool NewRecordMode = false;
  // Counted on the clock's thread.
  std::atomic<uint32_t> GameSeconds{0};
};

class GameEngine {
 public:
  GameEngine(GameWorld& world, BoardScreen& screen);
  GameEngine(const GameEngine&) = delete;
  GameEngine& operator=(const GameEngine&) = delete;

  EngineSettings& Settings() { return settings_; }
  const EngineSettings& Settings() const { return settings_; }

  // ---- The game state, read only: it changes through the operations below ----
  const TBoard& Board() const { return state_.Board; }
  const TNextBalls& NextBalls() const { return state_.NextBalls; }
  int32_t SelX() const { return state_.SelX; }
  int32_t SelY() const { return state_.SelY; }
  bool GameActive() const { return state_.GameActive; }
  uint32_t Score() const { return state_.Score; }
  uint32_t ChampScore() const { return state_.ChampScore; }
  int32_t GameType() const { return state_.GameType; }
  bool NewRecordMode() const { return state_.NewRecordMode; }
  uint32_t GameSeconds() const { return state_.GameSeconds.load(); }

  // ---- Program start ----
  // The engine's part of the window's creation: GameSeconds 0, no selection, no next balls, the
  // table of DefaultGame read (exit with the other status on failure), ChampScore and GameType set,
  // the type label drawn (exit on failure), the random source seeded with `seconds` (calendar
  // time), the empty board, score, champion and clock displays, and the previews shown for
  // the previews shown where the settings show them. False when the program ends.
  bool StartUp(uint32_t seconds);
  // Seeds the random source again: a replay starts each game from a seed of its own.
  void Randomize(uint32_t seconds);

  // ---- The turn ----
  // A left press on cell n (0..80); other values, and a click while no game runs, do nothing.
  TurnOutcome CellClick(int n);
  // One tick of the jump timer: the next frame of the selected ball's jump.
  void JumpTick();
  // One tick of the game clock, on the clock's thread: GameSeconds + 1, back to 0 after 99:59:59,
  // and DrawClock.
  void ClockTick();

  // ---- Games ----
  // A new game; of the default variant unless `keep`, which keeps the current one.
  void NewGame(bool keep);
  // A new game of variant `variant` (the game-type menu), whatever the default.
  void NewGameOfType(int32_t variant);
  // Copy of the saved part of the state, and its replacement by a loaded one. LoadState refuses
  // (returns false, changes nothing) a state that IsPlayableState rejects; a state it takes is
  // played on by ResumeLoadedGame.
  SavedGameState SavedState() const;
  bool LoadState(const SavedGameState& state);
  void ResumeLoadedGame();

  // ---- Settings confirmed ----
  // The default variant was changed: while no ball is announced (before the first game, after a
  // game end) the champion and the label show the new default's.
  void ApplyDefaultGame();
  void RefreshNextBalls(RefreshReason reason);
  void RedrawBoard();

  // True once the engine has asked the world to end the program.
  bool Exited() const { return exited_; }

 private:
  void InitBoard();
  void StartGame(int32_t variant);
  // The announced balls appear, the next ones are reserved and announced, or the game ends.
  void EndTurn();
  void PlayClick(const rules::ClickResult& click);
  void StartClockOrExit();
  void StopClock();
  void GameEnd();
  bool ReadTable(int32_t variant, HighScorePoints& points);
  void Exit(int status);

  // Tests lay out positions directly.
  friend struct EngineAccess;

  GameWorld& world_;
  BoardScreen& screen_;
  EngineSettings settings_;
  EngineState state_;
  TurnPlayer player_;
  RandomSource random_;
  bool clock_running_ = false;
  bool exited_ = false;
};

}  // namespace orbello
