// The screen reader's view of the board: the 9 x 9 table of cells and the focus of its keyboard
// cursor, and the look-ups that the board and the window's other parts share.
#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "game/engine/engine.h"
#include "skinfile/color_names.h"

class QAccessibleInterface;
class QObject;
class QWidget;

namespace orbello::window {

class BoardView;

// The words a screen reader hears, in the player's language (context "ScreenReader").
struct ScreenReader {
  Q_DECLARE_TR_FUNCTIONS(ScreenReader)
};

// What the board's description reads: the game, the view that shows it, and the colour names of
// the skin in use.
struct BoardReading {
  const GameEngine& engine;
  const BoardView& view;
  std::function<const skinfile::ColorNames&()> names;
};

// The names of a skin's colours in the player's language: its names file for that language, else
// the English one, else "colour 1" to "colour 7" in the language. An empty path gives the last.
skinfile::ColorNames ReadColorNamesFor(const std::string& skin_path);
// The name of a ball colour, "unknown" outside the seven.
QString ColorName(const skinfile::ColorNames& names, int32_t color);
// "A1" for cell 0, "I9" for cell 80: the column letter from the left, the row from the top.
QString CellPosition(int n);
// "E3: red ball", "E3: red ball, selected", "E3: empty", "E3: empty, green ball announced".
QString CellName(const GameEngine& engine, const skinfile::ColorNames& names, int n);
// "E3: empty": the name of cell n when it neither holds nor awaits a ball.
QString EmptyCellName(int n);

// A widget that a screen reader knows by a fixed name.
class NamedWidgetInterface : public QAccessibleWidget {
 public:
  NamedWidgetInterface(QWidget* widget, QAccessible::Role role, QString name)
      : QAccessibleWidget(widget, role), name_(std::move(name)) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? name_ : QAccessibleWidget::text(t);
  }

 private:
  QString name_;
};

// Whether a reader's press may reach `widget` of a main window now: where a mouse press could
// (shown, enabled, no modal window or popup in the way) and while no turn is being played.
bool MayPressNow(const QWidget* widget);
// Runs `act` on `widget` once the reader's request has been answered (a press may run a turn
// with its animations or open a modal window, and the reader must not wait for either), and only
// if the widget may be pressed then.
void PressLater(QWidget* widget, std::function<void(QWidget*)> act);

// The one action of what a reader presses as a mouse would: "press", offered while PressTarget()
// may be pressed now and made later, when Press() runs on it. `Bases` are the accessible sides.
template <class... Bases>
class PressedLikeAMouse : public Bases... {
 public:
  using Bases::Bases...;

  QStringList actionNames() const override {
    return MayPressNow(PressTarget()) ? QStringList{QAccessibleActionInterface::pressAction()}
                                      : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action == QAccessibleActionInterface::pressAction())
      PressLater(PressTarget(), Press());
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 protected:
  // The widget that a mouse would press.
  virtual QWidget* PressTarget() const = 0;
  // What the press does to that widget, taken when the reader asks.
  virtual std::function<void(QWidget*)> Press() const = 0;
};

// The description of the board panel or of one of its cells; null for other widgets.
QAccessibleInterface* BoardAccessible(QWidget* widget, const BoardReading& board);
// Has the reader told of the cursor cell when the board takes the focus and when the cursor moves,
// and of the announcements of the view's window.
void TellCursorFocus(const BoardView& view);
// Has a reader say `text` (nothing more when empty): what has the keyboard focus in `window` (on
// the board, the cursor cell) is told as focused anew, a new object with `text` as its
// description, which a reader speaks as its name, then the text. While the window is not active,
// once it is again.
void Announce(QWidget* window, const QString& text);

}  // namespace orbello::window
