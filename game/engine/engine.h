// The game engine: the board model and the rules of the three variants, the turn flow and the
// order of every animation frame, wait and sound. It knows nothing of windows, files or time; it
// reaches the world only through GameWorld (world.h).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/engine/board.h"
#include "game/engine/world.h"

namespace orbello {

// The settings the engine reads, filled by the window from the stored settings.
struct EngineSettings {
  int32_t DefaultGame = kLines;  // 1 Lines, 2 Squares, 3 Blocks
  int32_t NextColors = 1;        // 1 panel and board, 2 panel, 3 board, 4 not shown
  bool ShowWalk = false;
  bool CheckJump = true;
  bool CheckMove = true;
  bool CheckDestroy = true;
  bool CheckNoPath = true;
  std::string Sound_Jump;
  std::string Sound_Move;
  std::string Sound_Destroy;
  std::string Sound_NoPath;
  uint32_t Delay_Move = 0;
  uint32_t Delay_Destroy = 0;
  uint32_t Delay_Appearance = 0;
};

// What changed when the announcements are redrawn after the settings were confirmed.
enum class RefreshReason { kSkin, kDisplayMode };

enum class WalkMode { kShowing, kErasing };

// What the last CellClick did, so that it can be told to a player who does not see the board.
// The engine notes it as the turn runs; noting it changes nothing the turn does.
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

inline constexpr int kGridSize = 11;
template <typename T>
using Grid = std::array<std::array<T, kGridSize>, kGridSize>;  // [gx][gy], frame at 0 and 10

// The board model the engine owns.
struct EngineState {
  TBoard Board{};
  TNextBalls NextBalls{{{kNone, 0, 0}, {kNone, 0, 0}, {kNone, 0, 0}}};
  int32_t SelX = kNone;
  int32_t SelY = kNone;
  bool GameActive = false;
  uint32_t Score = 0;
  uint32_t ChampScore = 0;
  int32_t GameType = kLines;
  bool NewRecordMode = false;
  int32_t JumpFrame = 16;
  // Counted on the clock's thread.
  std::atomic<uint32_t> GameSeconds{0};
  // No list at all after ClearPointList; the first append creates it.
  std::unique_ptr<std::vector<TCellPoint>> PointList;
  int32_t BlockCount = 0;
  Grid<int32_t> WaveGrid{};
  Grid<TMatchCell> MatchGrid{};  // the frame's Mark stays 0 for ever
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
  int32_t BlockCount() const { return state_.BlockCount; }
  const Grid<int32_t>& WaveGrid() const { return state_.WaveGrid; }
  const Grid<TMatchCell>& MatchGrid() const { return state_.MatchGrid; }

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
  uint32_t RemoveFigures(int32_t z);
  void FloodBlock(int32_t gx, int32_t gy);

  // ---- Spawning and next balls ----
  void Randomize(uint32_t seconds);
  uint32_t NextRandom();
  uint64_t RandomState() const { return rand_state_; }
  void PlaceRandomBall(TNextBall& r);
  void PlaceStartBalls();
  // EndTurn step 3: false when a slot found no cell (the game end must follow).
  bool ReserveNextBalls();
  // EndTurn step 4: announce each slot and empty its cell again.
  void AnnounceNextBalls();
  void RefreshNextBalls(RefreshReason reason);

  // ---- Turn flow ----
  void NewGame(bool keep);
  // A new game of variant `v` (the game-type menu), whatever the default.
  void NewGameOfType(int32_t v);
  // The default variant was changed in the settings: while no ball is announced (before the first
  // game, after a game end) the champion and the label show the new default's.
  void ApplyDefaultGame();
  void StartGame(int32_t v);
  void EndTurn();
  void CheckNewBalls();
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
  void MoveSelectedBall(int32_t tx, int32_t ty);
  int32_t SelectedColor() const;
  void DrawBall(int frame, int32_t color, int32_t x, int32_t y);
  void DrawEmpty(int32_t x, int32_t y);
  void Announce(int slot);
  void SetPreviewVisible(int slot, bool visible);
  void StartTimer1();
  void StopTimer1();
  void StartClockOrExit();
  void StopClock();
  void GameEnd();
  bool ReadTable(int32_t variant, HighScorePoints& points);
  void Exit(int status);
  bool ShowsPreviews() const { return settings_.NextColors == 1 || settings_.NextColors == 2; }
  bool ShowsMarks() const { return settings_.NextColors == 1 || settings_.NextColors == 3; }
  void MarkLines();
  void MarkSquares();
  void MarkBlocks();

  // Tests lay out positions directly.
  friend struct EngineAccess;

  GameWorld& world_;
  EngineSettings settings_;
  EngineState state_;
  uint64_t rand_state_ = 0;
  bool timer1_enabled_ = false;
  bool clock_running_ = false;
  bool exited_ = false;
  // What the world was last told; the previews start hidden.
  std::array<bool, 3> previews_visible_{};
  TurnOutcome outcome_;
};

}  // namespace orbello
