// The game engine: the board model, the turn flow and the game end. The rules (rules.h) compute
// what each operation does and the turn player (turn_player.h) shows it; the engine keeps the
// state, the timers and the dialogs. It knows nothing of windows, files or time; it reaches the
// world only through GameWorld (world.h).
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

// What the last CellClick did, so that it can be told to a player who does not see the board.
// It is read off the rules' result; noting it changes nothing the turn does.
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

// The board model the engine owns: the position the rules play on, and beside it what only the
// engine and the window need.
struct EngineState : Position {
  bool GameActive = false;
  uint32_t ChampScore = 0;
  bool NewRecordMode = false;
  int32_t JumpFrame = 16;
  // Counted on the clock's thread.
  std::atomic<uint32_t> GameSeconds{0};
  // No list at all after ClearPointList; the first append creates it.
  std::unique_ptr<std::vector<TCellPoint>> PointList;
  Grid<int32_t> WaveGrid{};
};

class GameEngine {
 public:
  explicit GameEngine(GameWorld& world);
  GameEngine(const GameEngine&) = delete;
  GameEngine& operator=(const GameEngine&) = delete;

  EngineSettings& Settings() { return settings_; }
  const EngineSettings& Settings() const { return settings_; }

  // ---- The board model, read only: it changes through the operations below ----
  const TBoard& Board() const { return state_.Board; }
  const TNextBalls& NextBalls() const { return state_.NextBalls; }
  int32_t SelX() const { return state_.SelX; }
  int32_t SelY() const { return state_.SelY; }
  bool GameActive() const { return state_.GameActive; }
  uint32_t Score() const { return state_.Score; }
  uint32_t ChampScore() const { return state_.ChampScore; }
  int32_t GameType() const { return state_.GameType; }
  bool NewRecordMode() const { return state_.NewRecordMode; }
  int32_t JumpFrame() const { return state_.JumpFrame; }
  uint32_t GameSeconds() const { return state_.GameSeconds.load(); }
  // Null after ClearPointList.
  const std::vector<TCellPoint>* PointList() const { return state_.PointList.get(); }
  const Grid<int32_t>& WaveGrid() const { return state_.WaveGrid; }

  // ---- Program start ----
  // The engine's part of the window's creation: GameSeconds 0, no point list, no selection, no
  // next balls, the table of DefaultGame read (exit with the other status on failure), ChampScore
  // and GameType set, the type label drawn (exit on failure), the random source seeded with
  // `seconds` (calendar time), the empty board, score, champion and clock displays, and the preview
  // images shown for NextColors 1 or 2. False when the program ends.
  bool StartUp(uint32_t seconds);

  // ---- Board model operations ----
  void InitBoard();
  bool HasFreeCell() const;
  void ClearPointList();
  void AppendPoint(int32_t x, int32_t y);

  // ---- Path finding and moves ----
  // A left press on the cell image with tag n (0..80); other values are ignored.
  void CellClick(int n);
  bool FindPath(int32_t tx, int32_t ty);
  bool TracePathStep(TCellPoint& p);

  // ---- Figures and scoring ----
  // Removes and scores the figures of colour z, with their animation; the number of balls removed.
  uint32_t RemoveFigures(int32_t z);

  // ---- Spawning and next balls ----
  void Randomize(uint32_t seconds);
  uint32_t NextRandom();
  uint64_t RandomState() const { return random_.State(); }
  void PlaceRandomBall(TNextBall& r);
  void PlaceStartBalls();
  void RefreshNextBalls(RefreshReason reason);

  // ---- Turn flow ----
  void NewGame(bool keep);
  // A new game of variant `v` (the game-type menu), whatever the default.
  void NewGameOfType(int32_t v);
  // The default variant was changed in the settings: while no ball is announced (before the first
  // game, after a game end) the champion and the label show the new default's.
  void ApplyDefaultGame();
  void StartGame(int32_t v);
  // The announced balls appear, the next ones are reserved and announced, or the game ends.
  void EndTurn();
  void ResumeLoadedGame();
  // Copy of the saved part of the state, and its replacement by a loaded one. LoadState refuses
  // (returns false, changes nothing) a state that IsPlayableState rejects.
  SavedGameState SavedState() const;
  bool LoadState(const SavedGameState& state);

  // ---- Animations and timers ----
  void Timer1Timer();
  bool Timer1Enabled() const { return timer1_enabled_; }
  // One tick of the game clock, on the clock's thread: GameSeconds + 1, back to 0 after 99:59:59,
  // and DrawClock.
  void ClockTick();
  bool ClockRunning() const { return clock_running_; }
  void AnimateWalk(WalkMode mode);
  void AnimateDestroy(int32_t z);
  void AnimateAppearance();
  void RestoreCell(int32_t x, int32_t y);
  void RedrawBoard();

  const TurnOutcome& LastOutcome() const { return outcome_; }

  // True once the engine has asked the world to end the program.
  bool Exited() const { return exited_; }

 private:
  // Forwards the turn player's calls to the world.
  class WorldScreen final : public BoardScreen {
   public:
    explicit WorldScreen(GameWorld& world) : world_(world) {}
    void DrawBallFrame(int frame, int row, Picture picture, int n) override {
      world_.DrawBallFrame(frame, row, picture, n);
    }
    void DrawEmptyCell(int n) override { world_.DrawEmptyCell(n); }
    void DrawPreview(int slot, int color) override { world_.DrawPreview(slot, color); }
    void SetPreviewVisible(int slot, bool visible) override {
      world_.SetPreviewVisible(slot, visible);
    }
    void WaitMs(uint32_t ms) override { world_.WaitMs(ms); }
    void PlaySoundFile(const std::string& name) override { world_.PlaySoundFile(name); }
    void DrawNumber(NumberDisplay display, uint32_t value) override {
      world_.DrawNumber(display, value);
    }

   private:
    GameWorld& world_;
  };

  void PlayClick(const rules::ClickResult& click);
  void PlayTurnEnd(const rules::TurnEnd& end);
  int32_t SelectedColor() const;
  void StartTimer1();
  void StopTimer1();
  void StartClockOrExit();
  void StopClock();
  void GameEnd();
  bool ReadTable(int32_t variant, HighScorePoints& points);
  void Exit(int status);

  // Tests lay out positions directly.
  friend struct EngineAccess;

  GameWorld& world_;
  WorldScreen screen_{world_};
  EngineSettings settings_;
  EngineState state_;
  TurnPlayer player_{screen_, settings_, state_};
  RandomSource random_;
  bool timer1_enabled_ = false;
  bool clock_running_ = false;
  bool exited_ = false;
  TurnOutcome outcome_;
};

}  // namespace orbello
