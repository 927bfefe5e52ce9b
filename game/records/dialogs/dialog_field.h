// The self-painting single-line field of the game's dialogs (the path fields of the Settings
// dialog, the name and score fields of the best results).
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

namespace orbello {

class LookDialog;

// Paints the dialog background under itself, a sunken client edge and its text from the first
// visible character on, one line, vertically centred, transparent. Ignores every gesture that
// would select text (Shift with Left, Right, Home, End or Delete; double clicks; the right
// button; moves with a button held) and swallows Enter and Tab characters; Left, Right, Home and
// End move the caret and scroll a long text. Read-only unless made writable.
class DialogField : public QWidget {
  Q_OBJECT

 public:
  DialogField(LookDialog* dialog, int id, const QRect& geometry);

  QString text() const { return text_; }
  // Sets the text (the length limit binds typing only), caret and scroll at its start.
  void setText(const QString& text);

  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  bool IsReadOnly() const { return read_only_; }
  // At most this many characters can be typed or pasted.
  void SetMaxLength(int length) { max_length_ = length; }
  int MaxLength() const { return max_length_; }
  // Only characters of ISO 8859-1 can be typed (names are stored as 8-bit characters).
  void SetLatin1Only(bool latin1_only) { latin1_only_ = latin1_only; }
  void SetRightAligned(bool right) { right_aligned_ = right; }
  // A fixed text colour instead of the system's window-text colour.
  void SetTextColour(std::optional<QColor> colour);
  std::optional<QColor> TextColour() const { return colour_; }

  // Puts the caret after the last character, scrolled so that it shows.
  void MoveCaretToEnd() { MoveCaret(static_cast<int>(text_.size())); }

  int FirstVisible() const { return first_visible_; }
  int CaretPosition() const { return caret_; }

 signals:
  void textEdited();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QRect TextRect() const;
  void Insert(const QString& typed);
  void MoveCaret(int position);
  void ScrollToCaret();

  LookDialog* dialog_;
  QString text_;
  int max_length_ = 32767;
  bool read_only_ = true;
  bool latin1_only_ = false;
  bool right_aligned_ = false;
  std::optional<QColor> colour_;
  int first_visible_ = 0;
  int caret_ = 0;
};

}  // namespace orbello
