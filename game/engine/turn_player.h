// The turn player: shows what the rules computed (rules.h) frame by frame on the screen, with the
// waits and sounds of each animation. It changes no game state: it reads the position a result
// starts from and keeps only what the screen shows (the previews' visibility, the jump's frame).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/engine/rules.h"
#include "game/engine/world.h"

namespace orbello {

// Where the announced balls show: the stored NextColors 1..4, decoded once.
enum class NextBallDisplay { kPanelAndBoard = 1, kPanel = 2, kBoard = 3, kHidden = 4 };

inline bool ShowsPreviews(NextBallDisplay display) {
  return display == NextBallDisplay::kPanelAndBoard || display == NextBallDisplay::kPanel;
}
inline bool ShowsMarks(NextBallDisplay display) {
  return display == NextBallDisplay::kPanelAndBoard || display == NextBallDisplay::kBoard;
}

// The settings the engine reads, filled by the window from the stored settings.
struct EngineSettings {
  int32_t DefaultGame = kLines;  // 1 Lines, 2 Squares, 3 Blocks
  NextBallDisplay NextColors = NextBallDisplay::kPanelAndBoard;
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

// The jump of the selected ball: frames 16..23 of the balls picture, then one tick that draws
// nothing; the sound starts as frame 20 comes up.
inline constexpr int kFrameJumpFirst = 16;

class TurnPlayer {
 public:
  TurnPlayer(BoardScreen& screen, GameWorld& world, const EngineSettings& settings)
      : screen_(screen), world_(world), settings_(settings) {}

  // ---- Results of the rules, each shown from the position `before` it ----
  // A new selection: the ball selected before, if any, comes to rest and the jump starts over.
  void PlaySelection(const rules::ClickResult& click, const Position& before);
  // The move from the walk up to the turn's end; the appearance that may follow included.
  void PlayMove(const rules::MoveResult& move, const Position& before);
  void PlayTurnEnd(const rules::TurnEnd& end, const Position& before);
  void PlayNoPath();
  // The balls a new game starts with.
  void PlayStartBalls(const std::vector<TNextBall>& balls);

  // ---- The jump of the selected ball ----
  // One tick of the jump timer on the ball of `position`'s selection.
  void PlayJumpTick(const Position& position);
  // The next jump starts with its first frame.
  void RestartJump() { jump_frame_ = kFrameJumpFirst; }

  // ---- Whole views of a position ----
  // The announced balls of `position` shown again after the settings were confirmed.
  void RefreshNextBalls(const Position& position, RefreshReason reason);
  void ShowPreviews();
  // Every cell: the empty-cell picture, and the ball at rest where there is one.
  void RedrawBoard(const Position& position);
  // Every cell once: the ball at rest, or the empty cell; then the announcements.
  void ShowLoaded(const Position& position);

 private:
  void PlayRemoval(const rules::Removal& removal, uint32_t score);
  void AnimateWalk(const std::vector<TCellPoint>& points, int32_t color, WalkMode mode,
                   const TNextBalls& next);
  void AnimateDestroy(const std::vector<TCellPoint>& cells, int32_t color);
  void AnimateAppearance(const TNextBalls& next);
  void DrawBall(int frame, int32_t color, int32_t x, int32_t y);
  void DrawEmpty(int32_t x, int32_t y);
  // The mark of a reserved cell where the announcements show on the board, else the empty cell.
  void RestoreCell(int32_t x, int32_t y, const TNextBalls& next);
  void Announce(int slot, const TNextBalls& next);
  void SetPreviewVisible(int slot, bool visible);
  bool ShowsPreviews() const;
  bool ShowsMarks() const;

  BoardScreen& screen_;
  GameWorld& world_;
  const EngineSettings& settings_;
  // What the screen was last told; the previews start hidden.
  std::array<bool, 3> previews_visible_{};
  int jump_frame_ = kFrameJumpFirst;
};

}  // namespace orbello
