// What the hand-drawn controls tell a screen reader through Qt's accessibility bridge: their role,
// name and state, a field's text and caret, a slider's value, and which visible text labels which
// control.
#pragma once

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

namespace orbello::kit {

// Lets the kit's own controls (text fields, sliders, labels) describe themselves. Safe to call
// again; the kit's controls call it when they are made, so no program has to.
void InstallAccessibility();

// `label`, a visible text or control of the same window, labels `control`: a reader names the
// control by it unless the control has a name of its own, and knows the tie both ways.
void SetLabelledBy(QWidget* control, QWidget* label);
QWidget* LabelOf(const QWidget* control);

// Whether a press of the mouse or a key could reach `widget` now: it is shown in a window that is
// not minimised, enabled, and neither behind a modal window nor outside an open popup. A screen
// reader's press does nothing where this is false.
bool MayPress(const QWidget* widget);

// Runs `act` once the reader's request has been answered (a press may open a modal window, and the
// reader must not wait for it), and only if `widget` still may be pressed then, as `may` tells
// (a window whose turns also refuse presses gives a stricter rule).
void PressLater(QWidget* widget, std::function<void(QWidget*)> act,
                bool (*may)(const QWidget*) = MayPress);

// A hand-painted widget without a class of the kit (a link, an icon) is read as `role`, `name`.
void DescribeAs(QWidget* widget, QAccessible::Role role, const QString& name);

}  // namespace orbello::kit
