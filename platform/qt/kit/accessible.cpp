#include "platform/qt/kit/accessible.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <utility>

#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/kit/text_field.h"

namespace orbello::kit {
namespace {

using Relations = QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>;

constexpr char kLabelProperty[] = "kit_labelled_by";
constexpr char kRoleProperty[] = "kit_accessible_role";

// The name a control is read by: its own, else its label's (group labels carry spaces round
// their text for the etched frame; a reader needs none).
QString ControlName(const QWidget* control) {
  if (!control->accessibleName().isEmpty())
    return control->accessibleName();
  if (QWidget* label = LabelOf(control)) {
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label))
      return iface->text(QAccessible::Name).trimmed();
  }
  return {};
}

// The label ties of `widget` that `match` asks for: its own label, and the controls it labels.
Relations LabelTies(const QWidget* widget, QAccessible::Relation match) {
  Relations ties;
  if (match.testFlag(QAccessible::Label)) {
    if (QWidget* label = LabelOf(widget)) {
      if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label))
        ties.append({iface, QAccessible::Label});
    }
  }
  if (match.testFlag(QAccessible::Labelled)) {
    for (QWidget* other : widget->window()->findChildren<QWidget*>()) {
      if (LabelOf(other) != widget)
        continue;
      if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(other))
        ties.append({iface, QAccessible::Labelled});
    }
  }
  return ties;
}

// A kit widget as a reader meets it: tied to its label and to the controls it labels.
class LabelledWidget : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  Relations relations(QAccessible::Relation match) const override {
    return QAccessibleWidget::relations(match) + LabelTies(widget(), match);
  }
};

// A kit control of class `Control` that also answers as `Interface` (asked for as `kType`): read
// by its own or its label's name, and by the value that Value() gives as text.
template <class Control, class Interface, QAccessible::InterfaceType kType>
class LabelledControl : public LabelledWidget, public Interface {
 public:
  LabelledControl(Control* control, QAccessible::Role role) : LabelledWidget(control, role) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == kType)
      return static_cast<Interface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name)
      return ControlName(widget());
    if (t == QAccessible::Value)
      return Value();
    return QAccessibleWidget::text(t);
  }

 protected:
  virtual QString Value() const = 0;
};

// A transparent text of the dialogs: read by what it shows.
class AccessibleText : public LabelledWidget {
 public:
  AccessibleText(QWidget* widget, std::function<QString()> shown)
      : LabelledWidget(widget, QAccessible::StaticText), shown_(std::move(shown)) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString own = widget()->accessibleName();
      return own.isEmpty() ? shown_().trimmed() : own;
    }
    return QAccessibleWidget::text(t);
  }

 private:
  std::function<QString()> shown_;
};

// The kit's field: editable text (read-only unless made writable) with its caret; nothing in it
// can be selected, so there is no selection to report either.
class AccessibleField
    : public LabelledControl<TextField, QAccessibleTextInterface, QAccessible::TextInterface> {
 public:
  explicit AccessibleField(TextField* field) : LabelledControl(field, QAccessible::EditableText) {}
  using LabelledControl::text;

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = Field()->IsReadOnly();
    s.editable = !Field()->IsReadOnly();
    return s;
  }

  void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int /*start*/, int /*end*/) override {}
  void removeSelection(int /*index*/) override {}
  void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
  int cursorPosition() const override { return Field()->CaretPosition(); }
  void setCursorPosition(int position) override {
    if (MayPress(widget()))
      Field()->SetCaretPosition(position);
  }
  QString text(int start, int end) const override {
    return Field()->Text().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(Field()->Text().size()); }
  QRect characterRect(int offset) const override {
    const QRect local = Field()->CharacterRect(offset);
    return local.isEmpty() ? QRect() : QRect(Field()->mapToGlobal(local.topLeft()), local.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Field()->OffsetAt(Field()->mapFromGlobal(point).x());
  }
  void scrollToSubstring(int start, int /*end*/) override { setCursorPosition(start); }
  QString attributes(int /*offset*/, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QString Value() const override { return Field()->Text(); }
  TextField* Field() const { return static_cast<TextField*>(widget()); }
};

// The hand-painted slider, with its value.
class AccessibleSlider
    : public LabelledControl<DialogSlider, QAccessibleValueInterface, QAccessible::ValueInterface> {
 public:
  explicit AccessibleSlider(DialogSlider* slider) : LabelledControl(slider, QAccessible::Slider) {}

  QVariant currentValue() const override { return Slider()->value(); }
  void setCurrentValue(const QVariant& value) override {
    if (MayPress(widget()))
      Slider()->setValue(value.toInt());
  }
  QVariant maximumValue() const override { return Slider()->maximum(); }
  QVariant minimumValue() const override { return Slider()->minimum(); }
  QVariant minimumStepSize() const override { return Slider()->singleStep(); }

 private:
  QString Value() const override { return QString::number(Slider()->value()); }
  DialogSlider* Slider() const { return static_cast<DialogSlider*>(widget()); }
};

// Push buttons, check boxes and radio buttons, whose presses a reader makes only where the mouse
// or the keyboard could make them at that moment.
class AccessibleButton : public LabelledWidget {
 public:
  AccessibleButton(QAbstractButton* button, QAccessible::Role role)
      : LabelledWidget(button, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString own = widget()->accessibleName();
      if (!own.isEmpty())
        return own;
      QString shown = Button()->text();
      // "&&" shows one ampersand; a single one marks the mnemonic.
      shown.replace(QLatin1String("&&"), QLatin1String("\x01"))
          .remove(QLatin1Char('&'))
          .replace(QLatin1String("\x01"), QLatin1String("&"));
      return shown;
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = Button()->isCheckable();
    s.checked = Button()->isChecked();
    s.pressed = Button()->isDown();
    if (auto* push = qobject_cast<QPushButton*>(Button()))
      s.defaultButton = push->isDefault();
    return s;
  }

  QStringList actionNames() const override {
    if (!MayPress(widget()))
      return {};
    return {Button()->isCheckable() ? toggleAction() : pressAction()};
  }
  void doAction(const QString& action) override {
    if (action != pressAction() && action != toggleAction())
      return;
    PressLater(widget(), [](QWidget* button) { static_cast<QAbstractButton*>(button)->click(); });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* KitFactory(const QString& key, QObject* object) {
  if (object == nullptr || !object->isWidgetType())
    return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (key == QLatin1String(TextField::staticMetaObject.className()))
    return new AccessibleField(static_cast<TextField*>(widget));
  if (key == QLatin1String(DialogSlider::staticMetaObject.className()))
    return new AccessibleSlider(static_cast<DialogSlider*>(widget));
  if (key == QLatin1String(GroupLabel::staticMetaObject.className())) {
    auto* label = static_cast<GroupLabel*>(widget);
    return new AccessibleText(label, [label] { return label->Text(); });
  }
  if (key == QLatin1String(DialogText::staticMetaObject.className())) {
    auto* text = static_cast<DialogText*>(widget);
    return new AccessibleText(text, [text] { return text->Text(); });
  }
  if (key == QLatin1String("QPushButton"))
    return new AccessibleButton(static_cast<QAbstractButton*>(widget), QAccessible::PushButton);
  if (key == QLatin1String("QCheckBox"))
    return new AccessibleButton(static_cast<QAbstractButton*>(widget), QAccessible::CheckBox);
  if (key == QLatin1String("QRadioButton"))
    return new AccessibleButton(static_cast<QAbstractButton*>(widget), QAccessible::RadioButton);
  if (key == QLatin1String("QWidget")) {
    const QVariant role = widget->property(kRoleProperty);
    if (role.isValid())
      return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&KitFactory);
    return true;
  }();
  (void)installed;
}

bool MayPress(const QWidget* widget) {
  if (widget == nullptr || !widget->isVisible() || !widget->isEnabled())
    return false;
  const QWidget* window = widget->window();
  if (window->isMinimized())
    return false;
  // A press outside an open popup only closes it.
  if (const QWidget* popup = QApplication::activePopupWidget())
    return popup == window;
  const QWidget* modal = QApplication::activeModalWidget();
  return modal == nullptr || modal == window;
}

void PressLater(QWidget* widget, std::function<void(QWidget*)> act, bool (*may)(const QWidget*)) {
  QPointer<QWidget> target = widget;
  QMetaObject::invokeMethod(
      widget,
      [target, act = std::move(act), may] {
        if (target && may(target))
          act(target.data());
      },
      Qt::QueuedConnection);
}

void SetLabelledBy(QWidget* control, QWidget* label) {
  control->setProperty(kLabelProperty, QVariant::fromValue(static_cast<QObject*>(label)));
  // A label that goes first leaves no tie behind.
  QObject::connect(label, &QObject::destroyed, control,
                   [control] { control->setProperty(kLabelProperty, QVariant()); });
}

QWidget* LabelOf(const QWidget* control) {
  const QVariant value = control->property(kLabelProperty);
  return value.isValid() ? qobject_cast<QWidget*>(value.value<QObject*>()) : nullptr;
}

void DescribeAs(QWidget* widget, QAccessible::Role role, const QString& name) {
  InstallAccessibility();
  widget->setProperty(kRoleProperty, static_cast<int>(role));
  widget->setAccessibleName(name);
}

}  // namespace orbello::kit
