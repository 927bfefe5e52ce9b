#include "game/window/board_view.h"

#include <QThread>
#include <mutex>

#include "game/window/pictures.h"
#include "game/window/window_skin.h"

namespace orbello::window {

BoardView::BoardView(QWidget* window, int scale) : window_(window), scale_(scale) {
  panel_ = new BoardPanel(window);
  panel_->setGeometry(188, 78, 324, 324);
  image_score_ = new TPictureImage(window, 80, 20, scale);
  image_champ_ = new TPictureImage(window, 80, 20, scale);
  image_time_ = new TPictureImage(window, 72, 11, scale);
  image_game_ = new TPictureImage(window, 72, 11, scale);
  for (TPictureImage*& preview : image_prev_) {
    preview = new TPictureImage(window, 36, 36, scale);
    // Until a next ball is announced a preview shows nothing but its holder's colour.
    preview->Picture().fill(kHolderColor);
    preview->hide();
  }
  for (TPictureImage* image : {image_score_, image_champ_, image_time_, image_game_, image_prev_[0],
                               image_prev_[1], image_prev_[2]}) {
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
}

void BoardView::CreateHolders() {
  struct Holder {
    int left, top, width, height;
    TPictureImage* image;
  };
  const Holder table[5] = {
      {251, 424, 80, 20, image_champ_}, {368, 424, 80, 20, image_score_},
      {407, 54, 72, 11, image_time_},   {217, 54, 72, 11, image_game_},
      {300, 32, 96, 32, nullptr},
  };
  for (size_t i = 0; i < holders_.size(); ++i) {
    holders_[i] = new HolderPanel(window_);
    holders_[i]->setGeometry(table[i].left, table[i].top, table[i].width, table[i].height);
    if (table[i].image) {
      table[i].image->setParent(holders_[i]);
      table[i].image->move(0, 0);
      table[i].image->show();
    }
  }
  // Each preview shows the 32 x 32 frame at its top left; the later one covers the earlier one's
  // right edge and the holder clips the rest.
  for (int slot = 0; slot < 3; ++slot) {
    image_prev_[static_cast<size_t>(slot)]->setParent(holders_[4]);
    image_prev_[static_cast<size_t>(slot)]->move(32 * slot, 0);
    image_prev_[static_cast<size_t>(slot)]->hide();
  }
}

void BoardView::CreateWorkBitmap() {
  work_bitmap_ = BlankPicture(32, 32, scale_);
}

void BoardView::CreateCells(CellPress on_press) {
  // Space or Enter on the cursor cell is a left press on that cell.
  panel_->SetActivate([this, on_press](int n) {
    if (n >= 0 && n < kCellCount && cells_[static_cast<size_t>(n)])
      on_press(n);
  });
  // Every cell starts as the board's tile, all sharing its pixels until one is drawn on.
  QImage tile = BlankPicture(36, 36, scale_);
  CopyClipped(skin_->Board(), QRect(0, 0, 36, 36), tile, QPoint(0, 0));
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const int n = CellNumber(x, y);
      auto* cell = new BoardCell(
          panel_, n,
          [this, on_press](BoardCell* pressed) {
            panel_->SetCursor(pressed->Tag());
            on_press(pressed->Tag());
          },
          scale_);
      cell->Picture() = tile;
      cell->setGeometry(36 * x, 36 * y, 36, 36);
      cell->show();
      cells_[static_cast<size_t>(n)] = cell;
    }
  }
}

void BoardView::DrawBallFrame(int frame, int row, Picture picture, int n) {
  if (n < 0 || n >= kCellCount || !cells_[static_cast<size_t>(n)])
    return;
  BoardCell* cell = cells_[static_cast<size_t>(n)];
  const QImage& source = picture == Picture::kBalls ? skin_->Balls() : skin_->Walk();
  // Only the part of the tile inside the picture reaches the work bitmap; the rest keeps what the
  // previous frame left there.
  CopyClipped(source, QRect(32 * frame, 32 * row, 32, 32), work_bitmap_, QPoint(0, 0));
  CopyClipped(work_bitmap_, QRect(0, 0, 32, 32), cell->Picture(), QPoint(2, 2));
  cell->repaint();
}

void BoardView::DrawEmptyCell(int n) {
  if (n < 0 || n >= kCellCount || !cells_[static_cast<size_t>(n)])
    return;
  BoardCell* cell = cells_[static_cast<size_t>(n)];
  CopyClipped(skin_->Board(), QRect(0, 0, 36, 36), cell->Picture(), QPoint(0, 0));
  cell->repaint();
}

void BoardView::DrawPreview(int slot, int color) {
  if (slot < 0 || slot > 2 || !image_prev_[static_cast<size_t>(slot)])
    return;
  TPictureImage* preview = image_prev_[static_cast<size_t>(slot)];
  CopyClipped(skin_->Balls(), QRect(32 * kFramePreview, 32 * color, 32, 32), preview->Picture(),
              QPoint(0, 0));
  preview->repaint();
}

void BoardView::SetPreviewVisible(int slot, bool visible) {
  if (slot < 0 || slot > 2 || !image_prev_[static_cast<size_t>(slot)])
    return;
  image_prev_[static_cast<size_t>(slot)]->setVisible(visible);
}

void BoardView::DrawNumber(NumberDisplay display, uint32_t value) {
  TPictureImage* image = display == NumberDisplay::kScore ? image_score_ : image_champ_;
  if (!image)
    return;
  const QImage number = ComposeNumber(skin_->Score(), value);
  {
    std::lock_guard guard(image->Lock());
    CopyClipped(number, QRect(0, 0, 80, 20), image->Picture(), QPoint(0, 0));
  }
  image->repaint();
}

void BoardView::DrawClock(uint32_t seconds) {
  if (!image_time_)
    return;
  {
    std::lock_guard guard(image_time_->Lock());
    const QImage clock = ComposeClock(skin_->Timer(), static_cast<int>(seconds));
    CopyClipped(clock, QRect(0, 0, 99, 11), image_time_->Picture(), QPoint(0, 0));
  }
  if (QThread::currentThread() == window_->thread()) {
    image_time_->update();
  } else {
    QMetaObject::invokeMethod(
        image_time_, [image = image_time_] { image->update(); }, Qt::QueuedConnection);
  }
}

bool BoardView::DrawGameType(const QImage& labels, int32_t game_type) {
  const QImage band = GameTypeBand(labels, game_type);
  if (band.isNull() || !image_game_)
    return false;
  CopyClipped(band, QRect(0, 0, 72, 11), image_game_->Picture(), QPoint(0, 0));
  image_game_->repaint();
  return true;
}

void BoardView::DestroyCells() {
  for (BoardCell*& cell : cells_) {
    delete cell;
    cell = nullptr;
  }
}

void BoardView::DestroyDisplays() {
  work_bitmap_ = QImage();
  for (HolderPanel*& holder : holders_) {
    delete holder;
    holder = nullptr;
  }
  image_score_ = image_champ_ = image_time_ = image_game_ = nullptr;
  image_prev_ = {};
}

}  // namespace orbello::window
