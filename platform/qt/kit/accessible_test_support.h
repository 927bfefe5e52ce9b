// For the dialogs' tests: what a screen reader would meet in a window without a name.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace orbello::kit::testing {

inline QString ReadName(QWidget* widget) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

inline QAccessible::Role ReadRole(QWidget* widget) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  return iface != nullptr ? iface->role() : QAccessible::NoRole;
}

// The controls of `window` (labels, fields, sliders, check boxes, radio buttons, buttons, links)
// that have no name, and the painted widgets without children that describe themselves as no
// more than a client area; each by its object name and class.
inline QStringList UnnamedControls(QWidget* window) {
  QStringList unnamed;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const QAccessible::Role role = ReadRole(widget);
    const bool control = role == QAccessible::StaticText || role == QAccessible::EditableText ||
                         role == QAccessible::Slider || role == QAccessible::CheckBox ||
                         role == QAccessible::RadioButton || role == QAccessible::Button ||
                         role == QAccessible::Link;
    const bool bare = role == QAccessible::Client && widget->findChildren<QWidget*>().isEmpty();
    if ((control && ReadName(widget).trimmed().isEmpty()) || bare)
      unnamed << widget->objectName() + " " + widget->metaObject()->className();
  }
  return unnamed;
}

// Whether a reader meets `window` as a dialog called `name` with a name for every control.
inline ::testing::AssertionResult ReadAsDialog(QWidget* window, const QString& name) {
  const QStringList unnamed = UnnamedControls(window);
  if (!unnamed.isEmpty())
    return ::testing::AssertionFailure() << "unnamed: " << unnamed.join(", ").toStdString();
  if (ReadRole(window) != QAccessible::Dialog)
    return ::testing::AssertionFailure() << "role " << static_cast<int>(ReadRole(window));
  if (ReadName(window) != name)
    return ::testing::AssertionFailure() << "called \"" << ReadName(window).toStdString() << '"';
  return ::testing::AssertionSuccess();
}

// The name of the label tied to `widget`, or nothing.
inline QString LabelName(QWidget* widget) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  if (iface == nullptr)
    return {};
  const auto labels = iface->relations(QAccessible::Label);
  return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

}  // namespace orbello::kit::testing
