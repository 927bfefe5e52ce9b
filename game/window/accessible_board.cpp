#include "game/window/accessible_board.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QMetaObject>
#include <QPointer>

#include "game/window/accessible_form.h"
#include "game/window/board_panel.h"
#include "game/window/board_view.h"
#include "game/window/widgets.h"
#include "platform/qt/kit/accessible.h"
#include "platform/qt/language.h"
#include "skinfile/language_color_names.h"

namespace orbello::window {

namespace {

class CellInterface : public PressedLikeAMouse<QAccessibleWidget, QAccessibleTableCellInterface> {
 public:
  CellInterface(BoardCell* cell, const BoardReading& board)
      : PressedLikeAMouse(cell, QAccessible::Cell), board_(board) {}

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
  // What a left press does.
  QWidget* PressTarget() const override { return widget(); }
  std::function<void(QWidget*)> Press() const override {
    return [](QWidget* cell) {
      // A mouse press gives the board the focus first.
      if (QWidget* panel = cell->parentWidget())
        panel->setFocus(Qt::MouseFocusReason);
      static_cast<BoardCell*>(cell)->Press();
    };
  }

  const BoardReading& board_;
};

// The board: 9 x 9 cells, row by row. It has no table interface on purpose: a reader reads the
// whole row of a table whenever the focus changes row, and a player moving up or down wants to
// hear the one cell the cursor reached (the current row is a key of its own).
class BoardInterface : public NamedWidgetInterface {
 public:
  BoardInterface(QWidget* panel, const BoardReading& board)
      : NamedWidgetInterface(panel, QAccessible::Table, ScreenReader::tr("Board")), board_(board) {}

  QAccessibleInterface* focusChild() const override {
    auto* panel = dynamic_cast<BoardPanel*>(widget());
    if (!panel || !panel->hasFocus())
      return nullptr;
    return child(CellY(panel->Cursor()) * kBoardSize + CellX(panel->Cursor()));
  }
  int childCount() const override { return kCellCount; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kCellCount)
      return nullptr;
    BoardCell* cell = board_.view.Cell(CellNumber(index % kBoardSize, index / kBoardSize));
    return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    auto* cell = child ? dynamic_cast<BoardCell*>(child->object()) : nullptr;
    if (!cell || cell->parentWidget() != widget())
      return -1;
    return CellY(cell->Tag()) * kBoardSize + CellX(cell->Tag());
  }

 private:
  const BoardReading& board_;
};

// The widget that carries the last announcement as its description.
QPointer<QWidget>& Described() {
  static QPointer<QWidget> described;
  return described;
}

// Drops the reader's object of `widget`: the next question makes a new one. A reader keeps what
// it learnt of an object; only a new object is read afresh, name and description.
void Renew(QWidget* widget) {
  if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

// Gives `widget` the description `text` (none when empty), as a new object when it changed or
// `renew` asks for it, and takes the last announcement off the widget that carried it.
void Describe(QWidget* widget, const QString& text, bool renew) {
  QWidget* before = Described();
  if (before && before != widget) {
    before->setAccessibleDescription(QString());
    Renew(before);
  }
  Described() = nullptr;
  if (!widget)
    return;
  if (renew || widget->accessibleDescription() != text) {
    widget->setAccessibleDescription(text);
    Renew(widget);
  }
  if (!text.isEmpty())
    Described() = widget;
}

void TellFocus(QWidget* widget) {
  if (!widget || !QAccessible::isActive())
    return;
  QAccessibleEvent focus(widget, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

constexpr char kSpeakerName[] = "BoardSpeaker";

// What the reader hears of the board: the cursor cell when the board takes the focus and when the
// cursor moves, and the announcements (a turn, a new game, what a key asked for). An announcement
// made while the window is not active (a message box was open) waits for the window, and takes
// the place of telling the cursor cell then, so that neither cuts the other off.
class Speaker : public QObject {
 public:
  explicit Speaker(const BoardView& view)
      : QObject(view.Panel()->window()), view_(view), panel_(view.Panel()) {
    setObjectName(QLatin1String(kSpeakerName));
    panel_->installEventFilter(this);
    panel_->window()->installEventFilter(this);
    panel_->SetCursorMoved([this](int) { TellCursor(); });
  }

  void Say(const QString& text) {
    pending_ = text;
    has_pending_ = true;
    QMetaObject::invokeMethod(this, &Speaker::Flush, Qt::QueuedConnection);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // After the toolkit has told that the board itself has the focus.
    if ((watched == panel_ && event->type() == QEvent::FocusIn) ||
        (watched == panel_->window() && event->type() == QEvent::WindowActivate))
      QMetaObject::invokeMethod(this, &Speaker::Flush, Qt::QueuedConnection);
    return false;
  }

 private:
  QWidget* CursorCell() const { return view_.Cell(panel_->Cursor()); }

  // What the reader treats as focused in the window: on the board, the cursor cell.
  QWidget* FocusTarget() const {
    QWidget* focus = panel_->window()->focusWidget();
    return focus == panel_ ? CursorCell() : focus;
  }

  void TellCursor() {
    if (!panel_->hasFocus())
      return;
    if (has_pending_)
      return Flush();
    QWidget* cell = CursorCell();
    // A cell is read by its name alone once the cursor has moved on from an announcement; the
    // cell that carries one keeps it (telling the same object again makes a reader say nothing
    // new, and no second word cuts the announcement off).
    if (Described() != cell)
      Describe(cell, QString(), false);
    TellFocus(cell);
  }

  void Flush() {
    if (!has_pending_)
      return TellCursor();
    QWidget* window = panel_->window();
    QWidget* target = FocusTarget();
    if (!window->isActiveWindow() || !target)
      return;
    has_pending_ = false;
    Describe(target, pending_, true);
    TellFocus(target);
  }

  const BoardView& view_;
  BoardPanel* panel_;
  QString pending_;
  bool has_pending_ = false;
};

}  // namespace

skinfile::ColorNames ReadColorNamesFor(const std::string& skin_path) {
  skinfile::ColorNames names;
  for (int k = 0; k < skinfile::kColorNameCount; ++k)
    names[static_cast<size_t>(k)] = ScreenReader::tr("colour %1").arg(k + 1).toStdString();
  if (skin_path.empty())
    return names;
  const std::string language = platform::UiLanguage().toStdString();
  if (!language.empty() && skinfile::ReadLanguageColorNames(skin_path, language, &names))
    return names;
  // A names file never holds the numbered names (a name has no digits): this is the English file.
  const skinfile::ColorNames english = skinfile::ReadColorNames(skin_path);
  return english == skinfile::NumberedColorNames() ? names : english;
}

QString ColorName(const skinfile::ColorNames& names, int32_t color) {
  if (color < 0 || color >= kColorCount)
    return ScreenReader::tr("unknown", "a ball colour");
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
  new Speaker(view);
}

void Announce(QWidget* window, const QString& text) {
  if (auto* speaker =
          window->findChild<Speaker*>(QLatin1String(kSpeakerName), Qt::FindDirectChildrenOnly))
    speaker->Say(text);
}

bool MayPressNow(const QWidget* widget) {
  FormAccessibility* form = FormAccessibility::Of(widget);
  return !(form && form->TurnPlaying()) && kit::MayPress(widget);
}

void PressLater(QWidget* widget, std::function<void(QWidget*)> act) {
  kit::PressLater(widget, std::move(act), MayPressNow);
}

QString CellPosition(int n) {
  return QStringLiteral("%1%2").arg(QChar(u'A' + CellX(n))).arg(CellY(n) + 1);
}

QString CellName(const GameEngine& engine, const skinfile::ColorNames& names, int n) {
  const QString position = CellPosition(n);
  const int32_t color = engine.Board()[static_cast<size_t>(n)].Color;
  if (color != kEmpty) {
    const bool selected = engine.SelX() == CellX(n) && engine.SelY() == CellY(n);
    return (selected ? ScreenReader::tr("%1: %2 ball, selected", "a cell: its position, the colour")
                     : ScreenReader::tr("%1: %2 ball", "a cell: its position, the colour"))
        .arg(position, ColorName(names, color));
  }
  if (ShowsMarks(engine.Settings().NextColors)) {
    for (const TNextBall& slot : engine.NextBalls()) {
      if (slot.X != kNone && CellNumber(slot.X, slot.Y) == n)
        return ScreenReader::tr("%1: empty, %2 ball announced",
                                "a cell: its position, the colour of the ball to come")
            .arg(position, ColorName(names, slot.Color));
    }
  }
  return EmptyCellName(n);
}

QString EmptyCellName(int n) {
  return ScreenReader::tr("%1: empty", "a cell: its position").arg(CellPosition(n));
}

}  // namespace orbello::window
