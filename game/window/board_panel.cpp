#include "board_panel.h"

#include <QKeyEvent>
#include <algorithm>
#include <optional>

#include "game/window/widgets.h"

namespace orbello::window {

namespace {

// The cell a cursor key takes the cursor to from cell n; nothing for a key that moves nothing.
// The cursor stops at the board's edges.
std::optional<int> MovedCursor(int key, int n) {
  constexpr int kLast = BoardPanel::kSide - 1;
  const int x = n / BoardPanel::kSide;
  const int y = n % BoardPanel::kSide;
  struct Move {
    int key, x, y;
  };
  const Move moves[] = {
      {Qt::Key_Left, std::max(x - 1, 0), y},
      {Qt::Key_Right, std::min(x + 1, kLast), y},
      {Qt::Key_Up, x, std::max(y - 1, 0)},
      {Qt::Key_Down, x, std::min(y + 1, kLast)},
      {Qt::Key_Home, 0, y},
      {Qt::Key_End, kLast, y},
      {Qt::Key_PageUp, x, 0},
      {Qt::Key_PageDown, x, kLast},
  };
  for (const Move& move : moves) {
    if (move.key == key)
      return BoardPanel::kSide * move.x + move.y;
  }
  return std::nullopt;
}

}  // namespace

BoardPanel::BoardPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("BoardPanel"));
  // A click on a cell gives the board the focus, as a click on a button gives it the button.
  setFocusPolicy(Qt::StrongFocus);
}

void BoardPanel::SetCursor(int n) {
  if (n < 0 || n >= kSide * kSide || n == cursor_)
    return;
  cursor_ = n;
  UpdateFrame();
  if (on_moved_)
    on_moved_(n);
}

bool BoardPanel::CursorShown() const {
  return framed_ && framed_->Framed();
}

BoardCell* BoardPanel::CellAt(int n) const {
  const QPoint centre(kCellSize * (n / kSide) + kCellSize / 2,
                      kCellSize * (n % kSide) + kCellSize / 2);
  return dynamic_cast<BoardCell*>(childAt(centre));
}

void BoardPanel::UpdateFrame() {
  const bool shown = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
  BoardCell* cell = shown ? CellAt(cursor_) : nullptr;
  if (framed_ == cell)
    return;
  if (framed_)
    framed_->SetFramed(false);
  framed_ = cell;
  if (framed_)
    framed_->SetFramed(true);
}

void BoardPanel::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (const std::optional<int> target = MovedCursor(event->key(), cursor_)) {
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    const int before = cursor_;
    SetCursor(*target);
    if (cursor_ == before)
      UpdateFrame();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // The keyboard is in use now: the cursor shows where the key acted.
      window()->setAttribute(Qt::WA_KeyboardFocusChange);
      UpdateFrame();
      // A held key would press the cell over and over, picking a ball up and putting it down.
      if (!event->isAutoRepeat() && on_activate_)
        on_activate_(cursor_);
      return;
    default:
      if (on_read_key_ && !event->isAutoRepeat() && on_read_key_(event->key()))
        return;
      QWidget::keyPressEvent(event);
  }
}

void BoardPanel::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  UpdateFrame();
}

void BoardPanel::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  UpdateFrame();
}

}  // namespace orbello::window
