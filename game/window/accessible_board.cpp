#include "game/window/accessible_board.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QMetaObject>
#include <QPointer>

#include "game/window/board_panel.h"
#include "game/window/board_view.h"
#include "game/window/widgets.h"

namespace orbello::window {

namespace {

class CellInterface : public QAccessibleWidget, public QAccessibleTableCellInterface {
 public:
  CellInterface(BoardCell* cell, const BoardReading& board)
      : QAccessibleWidget(cell, QAccessible::Cell), board_(board) {}

  int Number() const { return static_cast<BoardCell*>(widget())->Tag(); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name)
      return CellName(board_.engine, board_.names(), Number());
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.selectable = true;
    state.selected = isSelected();
    // The board's keyboard cursor is the reader's focus.
    if (auto* panel = dynamic_cast<BoardPanel*>(widget()->parentWidget())) {
      state.focusable = true;
      state.focused = panel->hasFocus() && panel->Cursor() == Number();
    }
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableCellInterface)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  // What a left press does.
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action != pressAction())
      return;
    ActLater(static_cast<BoardCell*>(widget()), [](BoardCell* cell) { cell->Press(); });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  bool isSelected() const override {
    return board_.engine.SelX() == CellX(Number()) && board_.engine.SelY() == CellY(Number());
  }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return CellX(Number()); }
  int rowIndex() const override { return CellY(Number()); }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return QAccessibleWidget::parent(); }

 private:
  const BoardReading& board_;
};

// The board: 9 x 9 cells, row by row.
class BoardInterface : public NamedWidgetInterface, public QAccessibleTableInterface {
 public:
  BoardInterface(QWidget* panel, const BoardReading& board)
      : NamedWidgetInterface(panel, QAccessible::Table, QStringLiteral("Board")), board_(board) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface)
      return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QAccessibleInterface* focusChild() const override {
    auto* panel = dynamic_cast<BoardPanel*>(widget());
    if (!panel || !panel->hasFocus())
      return nullptr;
    return cellAt(CellY(panel->Cursor()), CellX(panel->Cursor()));
  }
  int childCount() const override { return kCellCount; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kCellCount)
      return nullptr;
    return cellAt(index / kBoardSize, index % kBoardSize);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    auto* cell = child ? dynamic_cast<BoardCell*>(child->object()) : nullptr;
    if (!cell || cell->parentWidget() != widget())
      return -1;
    return CellY(cell->Tag()) * kBoardSize + CellX(cell->Tag());
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= kBoardSize || column < 0 || column >= kBoardSize)
      return nullptr;
    BoardCell* cell = board_.view.Cell(CellNumber(column, row));
    return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
  }
  int selectedCellCount() const override { return Selected() >= 0 ? 1 : 0; }
  QList<QAccessibleInterface*> selectedCells() const override {
    const int n = Selected();
    if (n < 0)
      return {};
    QAccessibleInterface* cell = cellAt(CellY(n), CellX(n));
    return cell ? QList<QAccessibleInterface*>{cell} : QList<QAccessibleInterface*>{};
  }
  QString columnDescription(int column) const override { return QString(QChar(u'A' + column)); }
  QString rowDescription(int row) const override { return QString::number(row + 1); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kBoardSize; }
  int rowCount() const override { return kBoardSize; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  int Selected() const {
    const GameEngine& engine = board_.engine;
    return engine.SelX() == kNone ? -1 : CellNumber(engine.SelX(), engine.SelY());
  }

  const BoardReading& board_;
};

// Tells the reader that the focus is on the board's cursor cell: when the board takes the focus
// and when the cursor moves.
class CursorFocus : public QObject {
 public:
  explicit CursorFocus(const BoardView& view)
      : QObject(view.Panel()), view_(view), panel_(view.Panel()) {
    panel_->installEventFilter(this);
    panel_->SetCursorMoved([this](int) { Tell(); });
  }

  bool eventFilter(QObject*, QEvent* event) override {
    // After the toolkit has told that the board itself has the focus.
    if (event->type() == QEvent::FocusIn)
      QMetaObject::invokeMethod(this, &CursorFocus::Tell, Qt::QueuedConnection);
    return false;
  }

 private:
  void Tell() {
    if (!panel_->hasFocus() || !QAccessible::isActive())
      return;
    if (BoardCell* cell = view_.Cell(panel_->Cursor())) {
      QAccessibleEvent focus(cell, QAccessible::Focus);
      QAccessible::updateAccessibility(&focus);
    }
  }

  const BoardView& view_;
  BoardPanel* panel_;
};

}  // namespace

QString ColorName(const skinfile::ColorNames& names, int32_t color) {
  if (color < 0 || color >= kColorCount)
    return QStringLiteral("unknown");
  return QString::fromStdString(names[static_cast<size_t>(color)]);
}

QAccessibleInterface* BoardAccessible(QWidget* widget, const BoardReading& board) {
  if (auto* cell = dynamic_cast<BoardCell*>(widget);
      cell && cell->parentWidget() == board.view.Panel())
    return new CellInterface(cell, board);
  if (widget == board.view.Panel())
    return new BoardInterface(widget, board);
  return nullptr;
}

void TellCursorFocus(const BoardView& view) {
  new CursorFocus(view);
}

QString CellPosition(int n) {
  return QStringLiteral("%1%2").arg(QChar(u'A' + CellX(n))).arg(CellY(n) + 1);
}

QString CellName(const GameEngine& engine, const skinfile::ColorNames& names, int n) {
  const QString position = CellPosition(n) + QStringLiteral(": ");
  const int32_t color = engine.Board()[static_cast<size_t>(n)].Color;
  if (color != kEmpty) {
    const bool selected = engine.SelX() == CellX(n) && engine.SelY() == CellY(n);
    return position + ColorName(names, color) + QStringLiteral(" ball") +
           (selected ? QStringLiteral(", selected") : QString());
  }
  QString text = position + QStringLiteral("empty");
  if (ShowsMarks(engine.Settings().NextColors)) {
    for (const TNextBall& slot : engine.NextBalls()) {
      if (slot.X != kNone && CellNumber(slot.X, slot.Y) == n)
        text += QStringLiteral(", %1 ball announced").arg(ColorName(names, slot.Color));
    }
  }
  return text;
}

}  // namespace orbello::window
