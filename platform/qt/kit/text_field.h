// The one single-line text field of the hand-drawn dialogs and windows: the path fields of the
// Settings dialog and the skin compiler, the name and score fields of the best results.
#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace orbello::kit {

// Paints the picture under itself (from its window's background), a sunken edge and its text
// from the first visible character on, one line, vertically centred. Ignores every gesture that
// would select text (Shift with Left, Right, Home, End or Delete; double clicks; the right button;
// moves with a button held) and swallows Enter and Tab characters; Left, Right, Home and End move
// the caret and scroll a long text, Up and Down as Left and Right (there is one line only),
// Control with Left or Right by words. Read-only unless made writable.
class TextField : public QWidget {
  Q_OBJECT

 public:
  // `background` gives the picture under a widget of the window, of the widget's size.
  using BackgroundSource = std::function<QImage(const QWidget*)>;
  TextField(QWidget* parent, BackgroundSource background);

  QString Text() const { return text_; }
  // Sets the text (the length limit binds typing only), caret and scroll at its start.
  void SetText(const QString& text);

  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  bool IsReadOnly() const { return read_only_; }
  // At most this many characters can be typed or pasted.
  void SetMaxLength(int length) { max_length_ = length; }
  int MaxLength() const { return max_length_; }
  // Only characters of ISO 8859-1 can be typed (names are stored as 8-bit characters).
  void SetLatin1Only(bool latin1_only) { latin1_only_ = latin1_only; }
  void SetRightAligned(bool right) { right_aligned_ = right; }
  // A fixed text colour instead of the default one.
  void SetTextColor(std::optional<QColor> color);
  std::optional<QColor> TextColor() const { return color_; }
  // The default text colour, asked at every paint: the system's window-text colour unless given.
  void SetDefaultTextColor(std::function<QColor()> color) { default_color_ = std::move(color); }
  // The caret blinks at the system's rate instead of showing steadily.
  void SetBlinkingCaret(bool blinking) { blinking_ = blinking; }

  // Puts the caret after the last character, scrolled so that it shows.
  void MoveCaretToEnd() { MoveCaret(static_cast<int>(text_.size())); }

  int FirstVisible() const { return first_visible_; }
  int CaretPosition() const { return caret_; }
  // Puts the caret before character `position`, scrolled so that it shows.
  void SetCaretPosition(int position) { MoveCaret(position); }
  // Where the text is laid out, inside the sunken edge.
  QRect FormatRect() const;
  // Where character `index` is drawn, in the field; empty while it is scrolled out of sight.
  QRect CharacterRect(int index) const;
  // The character boundary nearest to `x` in the field.
  int OffsetAt(int x) const;

 signals:
  void TextEdited();
  void FocusEntered();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  // Left edge of the shown text: right-aligned text that fits ends at the format's right edge.
  int TextLeft() const;
  void Insert(const QString& typed);
  // Takes the character at `position` out, caret left where it is.
  void Remove(int position);
  void MoveCaret(int position);
  void ScrollToCaret();
  int WordStartBefore(int position) const;
  int WordStartAfter(int position) const;
  void RestartCaretBlink();

  BackgroundSource background_;
  std::function<QColor()> default_color_;
  QString text_;
  int max_length_ = 32767;
  bool read_only_ = true;
  bool latin1_only_ = false;
  bool right_aligned_ = false;
  bool blinking_ = false;
  std::optional<QColor> color_;
  int first_visible_ = 0;
  int caret_ = 0;
  bool caret_shown_ = true;
  QBasicTimer caret_timer_;
};

}  // namespace orbello::kit
