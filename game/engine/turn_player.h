// The turn player: shows what the rules computed (rules.h) frame by frame, with the waits and
// sounds of each animation, on a screen that can only draw, wait, sound and show numbers. It keeps
// the position it is given in step with the screen, so that a cell reads empty while it breaks
// and the score grows only once the breaking is over.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/engine/rules.h"
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

// Frames of the balls picture.
inline constexpr int kFrameRest = 0;
inline constexpr int kFrameMark = 11;
inline constexpr int kFrameAppear = 12;

// The part of the world a turn is shown on.
class BoardScreen {
 public:
  virtual ~BoardScreen() = default;
  virtual void DrawBallFrame(int frame, int row, Picture picture, int n) = 0;
  virtual void DrawEmptyCell(int n) = 0;
  virtual void DrawPreview(int slot, int color) = 0;
  virtual void SetPreviewVisible(int slot, bool visible) = 0;
  virtual void WaitMs(uint32_t ms) = 0;
  virtual void PlaySoundFile(const std::string& name) = 0;
  virtual void DrawNumber(NumberDisplay display, uint32_t value) = 0;
};

class TurnPlayer {
 public:
  TurnPlayer(BoardScreen& screen, const EngineSettings& settings, Position& model)
      : screen_(screen), settings_(settings), model_(model) {}

  // ---- Results of the rules ----
  // The move from the walk up to the turn's end; the appearance that may follow included.
  void PlayMove(const rules::MoveResult& move);
  void PlayTurnEnd(const rules::TurnEnd& end);
  void PlayRemoval(const rules::Removal& removal);
  void PlayNoPath();

  // ---- Animations ----
  // The walk over `points` (the ball's cell first) of a ball of `color`.
  void AnimateWalk(const std::vector<TCellPoint>& points, int32_t color, WalkMode mode);
  void AnimateDestroy(const std::vector<TCellPoint>& cells, int32_t color);
  // The balls of the three slots grow on their cells, which get their colours.
  void AnimateAppearance();

  // ---- Single cells and the announcements ----
  void DrawBall(int frame, int32_t color, int32_t x, int32_t y);
  void DrawEmpty(int32_t x, int32_t y);
  // The mark of a reserved cell where the announcements show on the board, else the empty cell.
  void RestoreCell(int32_t x, int32_t y);
  void Announce(int slot);
  void AnnounceNextBalls();
  void RefreshNextBalls(RefreshReason reason);
  void SetPreviewVisible(int slot, bool visible);
  // Every cell: the empty-cell picture, and the ball at rest where there is one.
  void RedrawBoard();
  // Every cell once: the ball at rest, or the empty cell.
  void DrawCells();

  bool ShowsPreviews() const { return settings_.NextColors == 1 || settings_.NextColors == 2; }
  bool ShowsMarks() const { return settings_.NextColors == 1 || settings_.NextColors == 3; }

 private:
  BoardScreen& screen_;
  const EngineSettings& settings_;
  Position& model_;
  // What the screen was last told; the previews start hidden.
  std::array<bool, 3> previews_visible_{};
};

}  // namespace orbello
