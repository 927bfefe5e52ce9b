// What the main window shows of the game: the board panel with its 81 cells, the score,
// champion, clock and game-type displays, the three next-ball previews with their holder panels,
// and the drawing the engine asks for on them. The widgets are children of the window, which owns
// them; this class only places, draws and, at the window's end, destroys them in its order.
#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <functional>

#include "game/engine/board.h"
#include "game/engine/world.h"
#include "game/window/board_panel.h"
#include "game/window/widgets.h"

class QWidget;

namespace orbello::window {

class WindowSkin;

// The column of the balls picture whose tiles the previews show.
inline constexpr int kFramePreview = 10;

class BoardView final : public BoardScreen {
 public:
  using CellPress = std::function<void(int n)>;

  // Creates the board panel and the display images on `window`; the images stay hidden and
  // outside their holders until CreateHolders. Every picture has `scale` times the pixels of its
  // logical size in each direction.
  BoardView(QWidget* window, int scale);
  BoardView(const BoardView&) = delete;
  BoardView& operator=(const BoardView&) = delete;

  // The skin whose pictures the cells, previews and digit displays are drawn from. The skin
  // guards its timer picture with ImageTime's lock, so it is made after the view and given to it.
  void DrawWith(const WindowSkin& skin) { skin_ = &skin; }
  // The five holder panels on the window, with the displays and the previews moved into them.
  void CreateHolders();
  // The picture every ball frame passes through on its way to a cell.
  void CreateWorkBitmap();
  // The 81 cells on the board panel, each showing the skin's board picture; a left press on a cell,
  // and Space or Enter on the cursor cell, reach `on_press` with the cell's number.
  void CreateCells(CellPress on_press);

  // ---- BoardScreen: the engine's drawing ----
  void DrawBallFrame(int frame, int row, Picture picture, int n) override;
  void DrawEmptyCell(int n) override;
  void DrawPreview(int slot, int color) override;
  void SetPreviewVisible(int slot, bool visible) override;
  void DrawNumber(NumberDisplay display, uint32_t value) override;
  // May be called from the clock's thread.
  void DrawClock(uint32_t seconds) override;
  // The band of `labels` for the game type; false when there is none to show.
  bool DrawGameType(const QImage& labels, int32_t game_type);

  // The cells go first at the window's end; the displays and their holders after the skin.
  void DestroyCells();
  void DestroyDisplays();

  BoardPanel* Panel() const { return panel_; }
  BoardCell* Cell(int n) const { return cells_[static_cast<size_t>(n)]; }
  TPictureImage* ImageScore() const { return image_score_; }
  TPictureImage* ImageChamp() const { return image_champ_; }
  TPictureImage* ImageTime() const { return image_time_; }
  TPictureImage* ImageGame() const { return image_game_; }
  TPictureImage* ImagePrev(int slot) const { return image_prev_[static_cast<size_t>(slot)]; }

 private:
  QWidget* window_;
  int scale_;
  const WindowSkin* skin_ = nullptr;
  BoardPanel* panel_ = nullptr;
  TPictureImage* image_score_ = nullptr;
  TPictureImage* image_champ_ = nullptr;
  TPictureImage* image_time_ = nullptr;
  TPictureImage* image_game_ = nullptr;
  std::array<TPictureImage*, 3> image_prev_{};
  std::array<HolderPanel*, 5> holders_{};
  std::array<BoardCell*, kCellCount> cells_{};
  QImage work_bitmap_;  // 32 x 32, every ball frame passes through it
};

}  // namespace orbello::window
