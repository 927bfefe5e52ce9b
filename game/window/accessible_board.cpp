#include "game/window/accessible_board.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QMetaObject>
#include <QPointer>

#include "game/window/accessible_form.h"
#include "game/window/board_panel.h"
#include "game/window/main_form.h"
#include "game/window/widgets.h"
#include "platform/qt/kit/accessible.h"

namespace orbello::window {

namespace {

bool ShowsMarks(const GameEngine& engine) {
  return engine.Settings().NextColors == 1 || engine.Settings().NextColors == 3;
}

class CellInterface : public QAccessibleWidget, public QAccessibleTableCellInterface {
 public:
  explicit CellInterface(TMyImage1* cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

  int Number() const { return static_cast<TMyImage1*>(widget())->Tag(); }

  QString text(QAccessible::Text t) const override {
    TMainForm1* form = FormOf(widget());
    if (t == QAccessible::Name && form)
      return CellName(form->Engine(), NamesOf(form), Number());
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
  QStringList actionNames() const override {
    return MayPressNow(widget()) ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action != pressAction())
      return;
    PressLater(widget(), [](QWidget* cell) {
      // A mouse press gives the board the focus first.
      if (QWidget* panel = cell->parentWidget())
        panel->setFocus(Qt::MouseFocusReason);
      static_cast<TMyImage1*>(cell)->Press();
    });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  bool isSelected() const override {
    TMainForm1* form = FormOf(widget());
    return form && form->Engine().SelX() == CellX(Number()) &&
           form->Engine().SelY() == CellY(Number());
  }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return CellX(Number()); }
  int rowIndex() const override { return CellY(Number()); }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return QAccessibleWidget::parent(); }
};

// The board: 9 x 9 cells, row by row. It has no table interface on purpose: a reader reads the
// whole row of a table whenever the focus changes row, and a player moving up or down wants to
// hear the one cell the cursor reached (the current row is a key of its own).
class BoardInterface : public NamedWidgetInterface {
 public:
  explicit BoardInterface(QWidget* panel)
      : NamedWidgetInterface(panel, QAccessible::Table, QStringLiteral("Board")) {}

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
    auto* cell = widget()->findChild<TMyImage1*>(
        QStringLiteral("BImage%1").arg(CellNumber(index % kBoardSize, index / kBoardSize)),
        Qt::FindDirectChildrenOnly);
    return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    auto* cell = child ? dynamic_cast<TMyImage1*>(child->object()) : nullptr;
    if (!cell || cell->parentWidget() != widget())
      return -1;
    return CellY(cell->Tag()) * kBoardSize + CellX(cell->Tag());
  }
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

TMyImage1* CursorCell(BoardPanel* panel) {
  return panel->findChild<TMyImage1*>(QStringLiteral("BImage%1").arg(panel->Cursor()),
                                      Qt::FindDirectChildrenOnly);
}

// What the reader treats as focused in `window`: on the board, the cursor cell.
QWidget* FocusTarget(QWidget* window) {
  QWidget* focus = window->focusWidget();
  if (auto* panel = dynamic_cast<BoardPanel*>(focus))
    return CursorCell(panel);
  return focus;
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
  explicit Speaker(BoardPanel* panel) : QObject(panel->window()), panel_(panel) {
    setObjectName(QLatin1String(kSpeakerName));
    panel->installEventFilter(this);
    panel->window()->installEventFilter(this);
    panel->SetCursorMoved([this](int) { TellCursor(); });
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
  void TellCursor() {
    if (!panel_->hasFocus())
      return;
    if (has_pending_)
      return Flush();
    TMyImage1* cell = CursorCell(panel_);
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
    QWidget* target = FocusTarget(window);
    if (!window->isActiveWindow() || !target)
      return;
    has_pending_ = false;
    Describe(target, pending_, true);
    TellFocus(target);
  }

  BoardPanel* panel_;
  QString pending_;
  bool has_pending_ = false;
};

}  // namespace

bool MayPressNow(const QWidget* widget) {
  TMainForm1* form = FormOf(widget);
  const bool turn = form && form->Accessibility() && form->Accessibility()->TurnPlaying();
  return !turn && kit::MayPress(widget);
}

void PressLater(QWidget* widget, std::function<void(QWidget*)> act) {
  QPointer<QWidget> target = widget;
  QMetaObject::invokeMethod(
      widget,
      [target, act = std::move(act)] {
        if (target && MayPressNow(target))
          act(target.data());
      },
      Qt::QueuedConnection);
}

QString ColorName(const skinfile::ColorNames& names, int32_t color) {
  if (color < 0 || color >= kColorCount)
    return QStringLiteral("unknown");
  return QString::fromStdString(names[static_cast<size_t>(color)]);
}

TMainForm1* FormOf(const QObject* object) {
  for (const QObject* o = object; o; o = o->parent()) {
    if (o->isWidgetType()) {
      return dynamic_cast<TMainForm1*>(static_cast<const QWidget*>(o)->window());
    }
  }
  return nullptr;
}

skinfile::ColorNames NamesOf(TMainForm1* form) {
  if (form && form->Accessibility())
    return form->Accessibility()->ColorNames();
  return skinfile::NumberedColorNames();
}

QAccessibleInterface* BoardAccessible(QWidget* widget) {
  if (auto* cell = dynamic_cast<TMyImage1*>(widget))
    return new CellInterface(cell);
  if (widget->objectName() == QLatin1String("Panel3"))
    return new BoardInterface(widget);
  return nullptr;
}

void TellCursorFocus(BoardPanel* panel) {
  new Speaker(panel);
}

void Announce(QWidget* window, const QString& text) {
  if (auto* speaker =
          window->findChild<Speaker*>(QLatin1String(kSpeakerName), Qt::FindDirectChildrenOnly))
    speaker->Say(text);
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
  if (ShowsMarks(engine)) {
    for (const TNextBall& slot : engine.NextBalls()) {
      if (slot.X != kNone && CellNumber(slot.X, slot.Y) == n)
        text += QStringLiteral(", %1 ball announced").arg(ColorName(names, slot.Color));
    }
  }
  return text;
}

}  // namespace orbello::window
