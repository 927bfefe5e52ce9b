// The board's panel: the parent of the 81 cells and the board's one stop in the window's
// Tab cycle. A cursor cell is moved with the keys and by mouse presses; Space or Enter acts on it
// as a left press on that cell does.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace orbello::window {

class BoardCell;

class BoardPanel : public QWidget {
 public:
  static constexpr int kCellSize = 36;
  static constexpr int kSide = 9;

  explicit BoardPanel(QWidget* parent);

  // The cursor cell n = 9 x + y, x the column from the left and y the row from the top.
  int Cursor() const { return cursor_; }
  // Moves the cursor to cell n (ignored outside 0..80); the moved handler hears of a change.
  void SetCursor(int n);
  void SetCursorMoved(std::function<void(int n)> handler) { on_moved_ = std::move(handler); }
  // Space or Enter on the cursor cell.
  void SetActivate(std::function<void(int n)> handler) { on_activate_ = std::move(handler); }
  // A letter without Ctrl or Alt that reads something out (true when it did).
  void SetReadKey(std::function<bool(int key)> handler) { on_read_key_ = std::move(handler); }
  // Whether the cursor's frame is visible now: the board has the focus and the keyboard has been
  // used in the window.
  bool CursorShown() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Frames the cursor cell when the cursor is to be seen, and no other cell.
  void UpdateFrame();
  BoardCell* CellAt(int n) const;

  // The cells go before the panel at the window's end.
  QPointer<BoardCell> framed_;
  int cursor_ = (kSide * kSide) / 2;  // the centre, E5
  std::function<void(int)> on_moved_;
  std::function<void(int)> on_activate_;
  std::function<bool(int)> on_read_key_;
};

}  // namespace orbello::window
