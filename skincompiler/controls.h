// The skin compiler's child controls. They draw themselves over the window's tiled background:
// owner-drawn buttons, the kit's read-only path fields and transparent labels, with the keyboard
// rules of the window (its own Tab cycle, arrow keys between tab stops, nothing selectable in a
// field).
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>
#include <string_view>

class QPainter;

namespace orbello::csfob {

// What the controls need from the window that holds them.
class ControlHost {
 public:
  virtual ~ControlHost() = default;
  // The window's background picture (client size), or a null image.
  virtual const QImage& Background() const = 0;
  virtual QColor TextColor() const = 0;
  // The colour of row `row`'s label: the blink colour while the row is flagged.
  virtual QColor LabelColor(int row) const = 0;
  virtual void RememberFocus(QWidget* control) = 0;
  // Gives the focus to the next (or previous) enabled tab stop after `from`, wrapping around.
  virtual void MoveFocus(QWidget* from, bool backward) = 0;
  virtual void OnCommand(int command) = 0;
};

class SkinButton : public QAbstractButton {
  Q_OBJECT
 public:
  SkinButton(const QString& text, int command, ControlHost* host, QWidget* parent);
  int Command() const { return command_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int command_;
  ControlHost* host_;
};

// Owns one child control for the window's lifetime. The control's kind follows the system's
// class name, compared without regard to case: "Button", "Edit" or "Static".
class SubclassedControl {
 public:
  SubclassedControl() = default;
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;
  ~SubclassedControl();

  // Creates the control at `rect` in `parent`. For a "Static" control, `command` is the row whose
  // label it is. Returns false for an unknown class name or when the control already exists.
  bool Create(std::string_view class_name, const QString& text, const QRect& rect, QWidget* parent,
              ControlHost* host, int command);
  QWidget* Handle() const { return widget_; }

 private:
  QPointer<QWidget> widget_;  // the window may have deleted it with its children
};

}  // namespace orbello::csfob
