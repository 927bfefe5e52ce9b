#include "game/window/accessible_form.h"

#include "game/window/accessible_board.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "game/window/board_panel.h"
#include "game/window/board_view.h"
#include "game/window/commands.h"
#include "game/window/widgets.h"

namespace orbello::window {

namespace {

constexpr char kStatusName[] = "TurnStatus";

// The accessible sides of the main windows there are.
std::vector<FormAccessibility*>& Forms() {
  static std::vector<FormAccessibility*> forms;
  return forms;
}

QString Capitalised(QString text) {
  if (!text.isEmpty())
    text[0] = text[0].toUpper();
  return text;
}

QString Clock(uint32_t seconds) {
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
      .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString TypeName(int32_t type) {
  return type == kSquares  ? ScreenReader::tr("Squares", "game type")
         : type == kBlocks ? ScreenReader::tr("Blocks", "game type")
                           : ScreenReader::tr("Lines", "game type");
}

// `text` as a sentence of its own.
QString Sentence(const QString& text) {
  return ScreenReader::tr("%1.", "ends a sentence").arg(text);
}

// The punctuation of spoken lists is the language's: "A1, C4" and "red: A1; green: B2".
QString Items(const QStringList& items) {
  return items.join(ScreenReader::tr(", ", "between the items of a spoken list"));
}
QString Groups(const QStringList& groups) {
  return groups.join(ScreenReader::tr("; ", "between the groups of a spoken list"));
}

// The balls on the board by colour, each colour's cells in board order: "red: A1, C4; green: B2."
QString BallList(const GameEngine& engine, const skinfile::ColorNames& names) {
  QStringList colors;
  for (int32_t color = 0; color < kColorCount; ++color) {
    QStringList cells;
    for (int row = 0; row < kBoardSize; ++row) {
      for (int column = 0; column < kBoardSize; ++column) {
        if (engine.Board()[static_cast<size_t>(CellNumber(column, row))].Color == color)
          cells << CellPosition(CellNumber(column, row));
      }
    }
    if (!cells.isEmpty())
      colors << ScreenReader::tr("%1: %2", "the balls of a colour: the colour, their cells")
                    .arg(ColorName(names, color), Items(cells));
  }
  if (colors.isEmpty())
    return ScreenReader::tr("No balls.");
  return Sentence(Groups(colors));
}

int BallCount(const GameEngine& engine) {
  return static_cast<int>(
      std::count_if(engine.Board().begin(), engine.Board().end(),
                    [](const TBoardCell& cell) { return cell.Color != kEmpty; }));
}

// What a reader hears when a game began: its type, its balls (a long list only on request).
QString GameBeganText(const GameEngine& engine, const skinfile::ColorNames& names, bool loaded) {
  QString text =
      loaded ? ScreenReader::tr("Game loaded: %1, score %2.", "the game type, the score")
                   .arg(TypeName(engine.GameType()))
                   .arg(engine.Score())
             : ScreenReader::tr("New game: %1.", "the game type").arg(TypeName(engine.GameType()));
  const int balls = BallCount(engine);
  constexpr int kListed = 10;
  if (balls <= kListed) {
    text += QLatin1Char(' ') + BallList(engine, names);
  } else {
    // B is the key that reads the balls, in every language.
    text += QLatin1Char(' ') + ScreenReader::tr("%n balls; B lists them.", nullptr, balls);
  }
  if (ShowsPreviews(engine.Settings().NextColors))
    text += QLatin1Char(' ') + Sentence(DisplayText(Display::kNext, engine, names));
  return text;
}

// A text that is read whole: the value of a display, a summary.
class ReadOnlyText : public QAccessibleTextInterface {
 public:
  virtual QString Content() const = 0;

  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    const QString content = Content();
    start = std::clamp(start, 0, static_cast<int>(content.size()));
    end = end < 0 ? static_cast<int>(content.size())
                  : std::clamp(end, start, static_cast<int>(content.size()));
    return content.mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(Content().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }
};

class AppInterface : public QAccessibleApplication {
 public:
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name)
      return QString::fromLatin1(kAccessibleAppName);
    return QAccessibleApplication::text(t);
  }
};

// The status element: a child of the main window without a widget, so it never draws.
class StatusInterface : public QAccessibleObject, public ReadOnlyText {
 public:
  explicit StatusInterface(QObject* status) : QAccessibleObject(status) {}

  QString Content() const override {
    FormAccessibility* form = FormAccessibility::Of(object());
    return form ? form->StatusText() : QString();
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(object()->parent());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name || t == QAccessible::Value ? Content() : QString();
  }
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::StatusBar; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
  }
};

// The window: a frame whose last child is the status element.
class FormInterface : public QAccessibleWidget {
 public:
  explicit FormInterface(FormAccessibility& form)
      : QAccessibleWidget(&form.Window(), QAccessible::Window), form_(form) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name)
      return QString::fromLatin1(kAccessibleAppName);
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return QAccessibleWidget::childCount() + (Status() ? 1 : 0); }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index == widgets && Status())
      return QAccessible::queryAccessibleInterface(Status());
    return QAccessibleWidget::child(index);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child && Status() && child->object() == Status())
      return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
  }

 private:
  QObject* Status() const { return form_.Status(); }

  FormAccessibility& form_;
};

class ButtonInterface : public PressedLikeAMouse<QAccessibleWidget> {
 public:
  explicit ButtonInterface(TPictureButton* button)
      : PressedLikeAMouse(button, QAccessible::PushButton) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name)
      return CommandName(static_cast<TPictureButton*>(widget())->Id());
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.disabled = !widget()->isEnabled();
    return state;
  }

 private:
  QWidget* PressTarget() const override { return widget(); }
  std::function<void(QWidget*)> Press() const override {
    return [](QWidget* button) { static_cast<QAbstractButton*>(button)->click(); };
  }
};

// A display image, or the holder of the three previews.
class DisplayInterface : public QAccessibleWidget, public ReadOnlyText {
 public:
  DisplayInterface(QWidget* widget, FormAccessibility& form)
      : QAccessibleWidget(widget, QAccessible::StaticText), form_(form) {}

  QString Content() const override {
    const QString name = widget()->objectName();
    const skinfile::ColorNames& names = form_.ColorNames();
    const GameEngine& engine = form_.Engine();
    if (name == QLatin1String("ImageScore"))
      return DisplayText(Display::kScore, engine, names);
    if (name == QLatin1String("ImageChamp"))
      return DisplayText(Display::kChamp, engine, names);
    if (name == QLatin1String("ImageTime"))
      return DisplayText(Display::kTime, engine, names);
    if (name == QLatin1String("ImageGame"))
      return DisplayText(Display::kGameType, engine, names);
    // The holder of the three previews says them all, also while they are hidden.
    if (widget()->findChild<QWidget*>(QStringLiteral("ImagePrev0"), Qt::FindDirectChildrenOnly))
      return DisplayText(Display::kNext, engine, names);
    if (name.startsWith(QLatin1String("ImagePrev"))) {
      const int slot = name.back().digitValue();
      const TNextBall& ball = engine.NextBalls()[static_cast<size_t>(std::clamp(slot, 0, 2))];
      return ball.X == kNone ? QString() : ColorName(names, ball.Color);
    }
    return {};
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name || t == QAccessible::Value)
      return Content();
    return QAccessibleWidget::text(t);
  }
  QAccessible::Role role() const override {
    return Content().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

 private:
  FormAccessibility& form_;
};

// The variant menu: a popup whose items are objects of their own, as it paints them itself.
class MenuInterface : public NamedWidgetInterface {
 public:
  explicit MenuInterface(TGameMenu* menu)
      : NamedWidgetInterface(menu, QAccessible::PopupMenu, ScreenReader::tr("Game type")) {}

  int childCount() const override { return static_cast<int>(Menu()->ItemObjects().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<QObject*>& items = Menu()->ItemObjects();
    if (index < 0 || index >= static_cast<int>(items.size()))
      return nullptr;
    return QAccessible::queryAccessibleInterface(items[static_cast<size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? ItemIndex(Menu(), child->object()) : -1;
  }
  QAccessibleInterface* focusChild() const override { return child(Menu()->Highlighted()); }

  static int ItemIndex(const TGameMenu* menu, const QObject* item) {
    const std::vector<QObject*>& items = menu->ItemObjects();
    const auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
  }

 private:
  TGameMenu* Menu() const { return static_cast<TGameMenu*>(widget()); }
};

// One item of the variant menu, with the press that takes it.
class MenuItemInterface : public PressedLikeAMouse<QAccessibleObject, QAccessibleActionInterface> {
 public:
  explicit MenuItemInterface(QObject* item) : PressedLikeAMouse(item) {}

  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(Menu());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? Menu()->Items()[static_cast<size_t>(Index())].text : QString();
  }
  QRect rect() const override {
    const QRect local = Menu()->ItemRect(Index());
    return QRect(Menu()->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::MenuItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = Menu()->Highlighted() == Index();
    state.invisible = !Menu()->isVisible();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ActionInterface)
      return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

 private:
  QWidget* PressTarget() const override { return Menu(); }
  std::function<void(QWidget*)> Press() const override {
    const int index = Index();
    return [index](QWidget* menu) { static_cast<TGameMenu*>(menu)->ChooseItem(index); };
  }
  TGameMenu* Menu() const { return static_cast<TGameMenu*>(object()->parent()); }
  int Index() const { return MenuInterface::ItemIndex(Menu(), object()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (!object)
    return nullptr;
  if (!object->isWidgetType()) {
    if (object == QCoreApplication::instance())
      return new AppInterface();
    if (object->objectName() == QLatin1String(kStatusName) && FormAccessibility::Of(object))
      return new StatusInterface(object);
    if (object->objectName() == QLatin1String(TGameMenu::kMenuItemName) &&
        dynamic_cast<TGameMenu*>(object->parent()))
      return new MenuItemInterface(object);
    return nullptr;
  }
  auto* widget = static_cast<QWidget*>(object);
  if (auto* menu = dynamic_cast<TGameMenu*>(widget))
    return new MenuInterface(menu);
  FormAccessibility* form = FormAccessibility::Of(widget);
  if (!form)
    return nullptr;
  if (widget == &form->Window())
    return new FormInterface(*form);
  if (QAccessibleInterface* board = BoardAccessible(widget, form->Board()))
    return board;
  if (auto* button = dynamic_cast<TPictureButton*>(widget))
    return new ButtonInterface(button);
  if (dynamic_cast<TPictureImage*>(widget) || dynamic_cast<HolderPanel*>(widget))
    return new DisplayInterface(widget, *form);
  return nullptr;
}

}  // namespace

QString CommandName(int id) {
  switch (id) {
    case kCmdNew:
      return ScreenReader::tr("New game", "command");
    case kCmdNewMenu:
      return ScreenReader::tr("New game: choose type", "command");
    case kCmdLoad:
      return ScreenReader::tr("Load game", "command");
    case kCmdSave:
      return ScreenReader::tr("Save game", "command");
    case kCmdScore:
      return ScreenReader::tr("Best results", "command");
    case kCmdScoreMenu:
      return ScreenReader::tr("Best results: choose type", "command");
    case kCmdSet:
      return ScreenReader::tr("Settings", "command");
    case kCmdAbout:
      return ScreenReader::tr("About", "command");
    case kCmdQuit:
      return ScreenReader::tr("Quit", "command");
    case kCmdHelp:
      return ScreenReader::tr("Help", "command");
    case kCmdMinimize:
      return ScreenReader::tr("Minimise", "command");
    case kCmdClose:
      return ScreenReader::tr("Close", "command");
    default:
      return {};
  }
}

QString TurnSummary(const TurnOutcome& outcome, const skinfile::ColorNames& names) {
  using Kind = TurnOutcome::Kind;
  switch (outcome.kind) {
    case Kind::kNothing:
      return {};
    case Kind::kSelected:
      return Capitalised(ScreenReader::tr("%1 ball %2 selected.", "the colour, the cell")
                             .arg(ColorName(names, outcome.color), CellPosition(outcome.from)));
    case Kind::kNoPath:
      return ScreenReader::tr("No path.");
    case Kind::kMoved:
      break;
  }
  QString text = Capitalised(
      ScreenReader::tr("%1 ball %2 to %3.", "the colour, the cell it left, the cell it reached")
          .arg(ColorName(names, outcome.color), CellPosition(outcome.from),
               CellPosition(outcome.to)));
  const auto removal = [&text](uint32_t balls, uint32_t points) {
    if (balls == 0)
      return;
    const int n = static_cast<int>(points);
    // English, read without a catalogue, has no plural forms of its own: the singular is a text
    // of its own there.
    const QString scored = n == 1 ? ScreenReader::tr("%n point", nullptr, n)
                                  : ScreenReader::tr("%n points", nullptr, n);
    text +=
        QLatin1Char(' ') +
        ScreenReader::tr("%1, %2.", "balls removed, points scored")
            .arg(ScreenReader::tr("%n balls removed", nullptr, static_cast<int>(balls)), scored);
  };
  removal(outcome.removed, outcome.points);
  if (!outcome.appeared.empty()) {
    const QString counts[] = {ScreenReader::tr("One new ball"), ScreenReader::tr("Two new balls"),
                              ScreenReader::tr("Three new balls")};
    QStringList balls;
    for (const TNextBall& ball : outcome.appeared)
      balls << ScreenReader::tr("%1 %2", "a new ball: its colour, its cell")
                   .arg(ColorName(names, ball.Color), CellPosition(CellNumber(ball.X, ball.Y)));
    const size_t count = std::min<size_t>(outcome.appeared.size(), 3);
    text += QLatin1Char(' ') + ScreenReader::tr("%1: %2.", "how many new balls, the balls")
                                   .arg(counts[count - 1], Items(balls));
    removal(outcome.removed_by_appeared, outcome.points_by_appeared);
  }
  if (outcome.game_over)
    text += QLatin1Char(' ') + ScreenReader::tr("Game over.");
  return text;
}

QString DisplayText(Display display, const GameEngine& engine, const skinfile::ColorNames& names) {
  switch (display) {
    case Display::kScore:
      return ScreenReader::tr("Score %1").arg(engine.Score());
    case Display::kChamp:
      return ScreenReader::tr("Champion %1").arg(engine.ChampScore());
    case Display::kTime:
      return ScreenReader::tr("Time %1", "hours:minutes:seconds").arg(Clock(engine.GameSeconds()));
    case Display::kGameType: {
      return ScreenReader::tr("Game type %1").arg(TypeName(engine.GameType()));
    }
    case Display::kNext: {
      if (!ShowsPreviews(engine.Settings().NextColors))
        return ScreenReader::tr("Next: hidden", "the next balls' colours");
      QStringList colors;
      for (const TNextBall& slot : engine.NextBalls()) {
        if (slot.X != kNone)
          colors << ColorName(names, slot.Color);
      }
      if (colors.isEmpty())
        return ScreenReader::tr("Next: none", "the next balls' colours");
      return ScreenReader::tr("Next: %1", "the next balls' colours").arg(Items(colors));
    }
  }
  return {};
}

void InstallAccessibility() {
  // The latest factory is asked first, and the application installs the toolkit's own when it is
  // created: this one goes to the end again.
  QAccessible::removeFactory(Factory);
  QAccessible::installFactory(Factory);
}

FormAccessibility::FormAccessibility(QWidget& window, const GameEngine& engine,
                                     const BoardView& view, SkinPath skin_path)
    : window_(window),
      engine_(engine),
      view_(view),
      board_{engine, view, [this]() -> const skinfile::ColorNames& { return ColorNames(); }},
      skin_path_(std::move(skin_path)) {
  Forms().push_back(this);
  InstallAccessibility();
  view.ImageScore()->setObjectName(QStringLiteral("ImageScore"));
  view.ImageChamp()->setObjectName(QStringLiteral("ImageChamp"));
  view.ImageTime()->setObjectName(QStringLiteral("ImageTime"));
  view.ImageGame()->setObjectName(QStringLiteral("ImageGame"));
  for (int slot = 0; slot < 3; ++slot)
    view.ImagePrev(slot)->setObjectName(QStringLiteral("ImagePrev%1").arg(slot));
  TellCursorFocus(view);
  view.Panel()->SetReadKey([this](int key) { return ReadKey(key); });
  auto* status = new QObject(&window);
  status->setObjectName(QLatin1String(kStatusName));
  status_ = status;
  for (int n = 0; n < kCellCount; ++n)
    cell_names_[static_cast<size_t>(n)] = CellName(engine_, names_, n);
}

FormAccessibility::~FormAccessibility() {
  std::erase(Forms(), this);
}

FormAccessibility* FormAccessibility::Of(const QObject* object) {
  for (const QObject* o = object; o; o = o->parent()) {
    if (o->isWidgetType()) {
      const QWidget* window = static_cast<const QWidget*>(o)->window();
      for (FormAccessibility* form : Forms()) {
        if (&form->window_ == window)
          return form;
      }
      return nullptr;
    }
  }
  return nullptr;
}

const skinfile::ColorNames& FormAccessibility::ColorNames() {
  const std::string path = skin_path_ ? skin_path_() : std::string();
  if (!names_read_ || path != names_path_) {
    names_read_ = true;
    names_path_ = path;
    names_ = ReadColorNamesFor(path);
  }
  return names_;
}

void FormAccessibility::BeforeCellClick() {
  turn_playing_ = true;
}

void FormAccessibility::AfterCellClick(const TurnOutcome& outcome) {
  turn_playing_ = false;
  QString summary = TurnSummary(outcome, ColorNames());
  if (outcome.removed + outcome.removed_by_appeared > 0)
    summary += QLatin1Char(' ') + ScreenReader::tr("Score %1.").arg(engine_.Score());
  if (!outcome.appeared.empty() && !outcome.game_over &&
      ShowsPreviews(engine_.Settings().NextColors))
    summary += QLatin1Char(' ') + Sentence(DisplayText(Display::kNext, engine_, ColorNames()));
  if (outcome.game_over && engine_.GameActive()) {
    // The player took the offer of a new game at the end of this one.
    RaiseChanges();
    GameBegan(summary + QLatin1Char(' '), false);
  } else {
    // A selection is heard in the cell's own name.
    Announce(&window_, outcome.kind == TurnOutcome::Kind::kSelected ? QString() : summary);
  }
  if (!summary.isEmpty() && status_) {
    const QString before = status_text_;
    status_text_ = summary;
    // The summary is told even when it repeats the last one ("No path." twice).
    QAccessibleEvent name_changed(status_.data(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name_changed);
    QAccessibleTextUpdateEvent text_changed(status_.data(), 0, before, summary);
    QAccessible::updateAccessibility(&text_changed);
  }
  RaiseChanges();
}

void FormAccessibility::AfterCommand(int id) {
  const bool changed = RaiseChanges();
  const bool new_game = id == kCmdNew || id == kCmdLines || id == kCmdSquares || id == kCmdBlocks;
  // The variant menu of the best results changes no cell.
  if (!changed || !(new_game || id == kCmdLoad))
    return;
  GameBegan(QString(), id == kCmdLoad);
}

void FormAccessibility::GameBegan(const QString& before, bool loaded) {
  Announce(&window_, before + GameBeganText(engine_, ColorNames(), loaded));
  // The player who started a game plays it next: the board takes the focus, from the command
  // that started it or from nowhere, with the cursor in the centre.
  BoardPanel* panel = view_.Panel();
  QWidget* focus = window_.focusWidget();
  auto* button = dynamic_cast<TPictureButton*>(focus);
  const bool from_command = focus == nullptr || focus == &window_ || focus == panel ||
                            (button && (button->Id() == kCmdNew || button->Id() == kCmdNewMenu ||
                                        button->Id() == kCmdLoad));
  if (panel && from_command) {
    panel->SetCursor(kCellCount / 2);
    panel->setFocus(Qt::OtherFocusReason);
  }
}

bool FormAccessibility::ReadKey(int key) {
  if (key == Qt::Key_C) {
    Announce(&window_, QString());
    return true;
  }
  const QString text = ReadingFor(key);
  if (!text.isEmpty())
    Announce(&window_, text);
  return !text.isEmpty();
}

QString FormAccessibility::ReadingFor(int key) {
  const GameEngine& engine = engine_;
  const skinfile::ColorNames& names = ColorNames();
  const int cursor = view_.Panel() ? view_.Panel()->Cursor() : kCellCount / 2;
  // The cells of a line that hold or await a ball, in board order.
  const auto line = [&](const QString& title, auto cell_of) {
    QStringList held;
    for (int i = 0; i < kBoardSize; ++i) {
      const QString name = CellName(engine, names, cell_of(i));
      if (name != EmptyCellName(cell_of(i)))
        held << name;
    }
    if (held.isEmpty())
      return ScreenReader::tr("%1: empty.", "a row or column").arg(title);
    const QString cells = Groups(held);
    return held.size() < kBoardSize
               ? ScreenReader::tr("%1: %2; the rest empty.", "a row or column, its cells")
                     .arg(title, cells)
               : Sentence(
                     ScreenReader::tr("%1: %2", "a row or column, its cells").arg(title, cells));
  };
  switch (key) {
    case Qt::Key_R:
      return line(ScreenReader::tr("Row %1").arg(CellY(cursor) + 1),
                  [&](int i) { return CellNumber(i, CellY(cursor)); });
    case Qt::Key_V:
      return line(ScreenReader::tr("Column %1").arg(QChar(u'A' + CellX(cursor))),
                  [&](int i) { return CellNumber(CellX(cursor), i); });
    case Qt::Key_S:
      return ScreenReader::tr("Score %1, champion %2, time %3.", "hours:minutes:seconds")
          .arg(QString::number(engine.Score()), QString::number(engine.ChampScore()),
               Clock(engine.GameSeconds()));
    case Qt::Key_N:
      return Sentence(DisplayText(Display::kNext, engine, names));
    case Qt::Key_B:
      return BallList(engine, names);
    default:
      return {};
  }
}

void FormAccessibility::RaiseNameChange(QObject* object, QString& known, const QString& now) {
  if (known == now)
    return;
  const QString before = known;
  known = now;
  if (!object)
    return;
  QAccessibleEvent name_changed(object, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name_changed);
  QAccessibleTextUpdateEvent text_changed(object, 0, before, now);
  QAccessible::updateAccessibility(&text_changed);
}

bool FormAccessibility::RaiseChanges() {
  bool changed = false;
  // Events are raised only while a reader listens; what it was told is kept up to date always.
  const GameEngine& engine = engine_;
  const skinfile::ColorNames& names = ColorNames();
  const bool active = QAccessible::isActive();
  for (int n = 0; n < kCellCount; ++n) {
    const QString now = CellName(engine, names, n);
    QString& known = cell_names_[static_cast<size_t>(n)];
    if (now == known)
      continue;
    known = now;
    changed = true;
    if (!active)
      continue;
    if (QObject* cell = view_.Cell(n)) {
      QAccessibleEvent name_changed(cell, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&name_changed);
    }
  }
  const int selected = engine.SelX() == kNone ? -1 : CellNumber(engine.SelX(), engine.SelY());
  if (selected != selected_) {
    // The bridge tells a cell's selection as a state change of the cell and a selection change
    // of its table.
    const std::pair<int, QAccessible::Event> changes[] = {{selected_, QAccessible::SelectionRemove},
                                                          {selected, QAccessible::SelectionAdd}};
    for (const auto& [n, type] : changes) {
      QObject* cell = n < 0 ? nullptr : view_.Cell(n);
      if (cell && active) {
        QAccessibleEvent event(cell, type);
        QAccessible::updateAccessibility(&event);
      }
    }
    selected_ = selected;
  }
  RaiseNameChange(view_.ImageScore(), score_text_, DisplayText(Display::kScore, engine, names));
  RaiseNameChange(view_.ImageChamp(), champ_text_, DisplayText(Display::kChamp, engine, names));
  RaiseNameChange(view_.ImageGame(), game_text_, DisplayText(Display::kGameType, engine, names));
  QObject* holder = view_.ImagePrev(0)->parentWidget();
  RaiseNameChange(holder, next_text_, DisplayText(Display::kNext, engine, names));
  return changed;
}

}  // namespace orbello::window
