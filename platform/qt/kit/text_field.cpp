#include "platform/qt/kit/text_field.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/qt/kit/accessible.h"
#include "platform/qt/kit/kit.h"

namespace orbello::kit {
namespace {

constexpr int kEdge = 2;    // the sunken edge
constexpr int kMargin = 2;  // space between the edge and the text

bool IsLatin1(QChar c) {
  return c.unicode() <= 0xFF;
}

}  // namespace

TextField::TextField(QWidget* parent, BackgroundSource background)
    : QWidget(parent), background_(std::move(background)) {
  setFont(GuiFont());
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::IBeamCursor);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  InstallAccessibility();
}

void TextField::SetText(const QString& text) {
  // Like the system's field, the limit binds typing only: a text put in is shown whole.
  const QString old = std::exchange(text_, text);
  caret_ = 0;
  first_visible_ = 0;
  update();
  if (QAccessible::isActive()) {
    QAccessibleTextUpdateEvent changed(this, 0, old, text_);
    QAccessible::updateAccessibility(&changed);
  }
}

void TextField::SetTextColor(std::optional<QColor> color) {
  color_ = color;
  update();
}

QRect TextField::FormatRect() const {
  return rect().adjusted(kEdge + kMargin, kEdge, -(kEdge + kMargin), -kEdge);
}

int TextField::TextLeft() const {
  const QRect format = FormatRect();
  if (right_aligned_) {
    const int width = QFontMetrics(font()).horizontalAdvance(text_.mid(first_visible_));
    if (width < format.width())
      return format.right() + 1 - width;
  }
  return format.left();
}

QRect TextField::CharacterRect(int index) const {
  if (index < first_visible_ || index >= text_.size())
    return {};
  const QRect format = FormatRect();
  const QFontMetrics metrics(font());
  const int x =
      TextLeft() + metrics.horizontalAdvance(text_.mid(first_visible_, index - first_visible_));
  const int top = format.top() + (format.height() - metrics.height()) / 2;
  return QRect(x, top, metrics.horizontalAdvance(text_[index]), metrics.height()) & format;
}

int TextField::OffsetAt(int x) const {
  const QFontMetrics metrics(font());
  const QString shown = text_.mid(first_visible_);
  const int x0 = TextLeft();
  int best = first_visible_;
  int best_distance = std::abs(x - x0);
  for (int i = 1; i <= shown.size(); ++i) {
    const int distance = std::abs(x - (x0 + metrics.horizontalAdvance(shown.left(i))));
    if (distance < best_distance) {
      best_distance = distance;
      best = first_visible_ + i;
    }
  }
  return best;
}

void TextField::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (background_)
    painter.drawImage(0, 0, background_(this));
  DrawSunkenEdge(painter, rect());

  const QRect format = FormatRect();
  painter.setClipRect(format);
  painter.setFont(font());
  const QColor color = color_.value_or(default_color_ ? default_color_() : WindowTextColor());
  painter.setPen(color);
  const int x = TextLeft();
  painter.drawText(QRect(x, format.top(), format.right() + 1 - x, format.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   text_.mid(first_visible_));
  if (hasFocus() && caret_shown_) {
    const QFontMetrics metrics(font());
    const int caret_x =
        x + metrics.horizontalAdvance(text_.mid(first_visible_, caret_ - first_visible_));
    const int height = metrics.height();
    const int top = format.top() + (format.height() - height) / 2;
    painter.fillRect(QRect(caret_x, top, 1, height), color);
  }
}

void TextField::MoveCaret(int position) {
  caret_ = std::clamp(position, 0, static_cast<int>(text_.size()));
  ScrollToCaret();
  RestartCaretBlink();
  update();
  if (QAccessible::isActive()) {
    QAccessibleTextCursorEvent moved(this, caret_);
    QAccessible::updateAccessibility(&moved);
  }
}

void TextField::ScrollToCaret() {
  if (caret_ < first_visible_)
    first_visible_ = caret_;
  const QFontMetrics metrics(font());
  const int room = FormatRect().width() - 1;  // the caret's own pixel
  while (first_visible_ < caret_ &&
         metrics.horizontalAdvance(text_.mid(first_visible_, caret_ - first_visible_)) > room) {
    ++first_visible_;
  }
}

// Words are separated by spaces, as in the system's own fields.
int TextField::WordStartBefore(int position) const {
  while (position > 0 && text_[position - 1].isSpace())
    --position;
  while (position > 0 && !text_[position - 1].isSpace())
    --position;
  return position;
}

int TextField::WordStartAfter(int position) const {
  const int size = static_cast<int>(text_.size());
  while (position < size && !text_[position].isSpace())
    ++position;
  while (position < size && text_[position].isSpace())
    ++position;
  return position;
}

void TextField::RestartCaretBlink() {
  const int flash = QApplication::cursorFlashTime();
  caret_shown_ = true;
  if (blinking_ && hasFocus() && flash > 0) {
    caret_timer_.start(flash / 2, this);
  } else {
    caret_timer_.stop();
  }
}

void TextField::Insert(const QString& typed) {
  if (read_only_)
    return;
  QString accepted;
  for (QChar c : typed) {
    if (c.unicode() < 0x20 || c == QChar(0x7F))
      continue;  // Enter, Tab and other controls
    if (latin1_only_ && !IsLatin1(c))
      continue;
    accepted.append(c);
  }
  const int room = max_length_ - static_cast<int>(text_.size());
  if (room <= 0 || accepted.isEmpty())
    return;
  accepted = accepted.left(room);
  text_.insert(caret_, accepted);
  if (QAccessible::isActive()) {
    QAccessibleTextInsertEvent inserted(this, caret_, accepted);
    QAccessible::updateAccessibility(&inserted);
  }
  MoveCaret(caret_ + static_cast<int>(accepted.size()));
  emit TextEdited();
}

void TextField::Remove(int position) {
  const QString removed = text_.mid(position, 1);
  text_.remove(position, 1);
  if (QAccessible::isActive()) {
    QAccessibleTextRemoveEvent gone(this, position, removed);
    QAccessible::updateAccessibility(&gone);
  }
}

void TextField::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  event->accept();
  // Shift with these keys would select text (or cut it): nothing here may be selected.
  if (event->modifiers().testFlag(Qt::ShiftModifier) &&
      (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End ||
       key == Qt::Key_Delete)) {
    return;
  }
  switch (key) {
    case Qt::Key_Left:
      MoveCaret(ctrl ? WordStartBefore(caret_) : caret_ - 1);
      break;
    case Qt::Key_Right:
      MoveCaret(ctrl ? WordStartAfter(caret_) : caret_ + 1);
      break;
    case Qt::Key_Up:
    case Qt::Key_Down:
      // One line only: Up and Down move as Left and Right do.
      MoveCaret(key == Qt::Key_Up ? caret_ - 1 : caret_ + 1);
      break;
    case Qt::Key_Home:
      MoveCaret(0);
      break;
    case Qt::Key_End:
      MoveCaret(static_cast<int>(text_.size()));
      break;
    case Qt::Key_Delete:
      if (!read_only_ && caret_ < text_.size()) {
        Remove(caret_);
        ScrollToCaret();
        emit TextEdited();
      }
      break;
    case Qt::Key_Backspace:
      if (!read_only_ && caret_ > 0) {
        Remove(caret_ - 1);
        MoveCaret(caret_ - 1);
        emit TextEdited();
      }
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // Only Tab held with Control gets here: the window moves the focus with it.
      event->ignore();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      // Swallowed here; the window does not act on them either.
      break;
    default:
      if (ctrl && key == Qt::Key_V) {
        if (QClipboard* clipboard = QApplication::clipboard())
          Insert(clipboard->text());
      } else if (!ctrl && !event->text().isEmpty()) {
        Insert(event->text());  // Control+A and the like would select: ignored
      }
      break;
  }
  // The field repaints in full after every key.
  update();
}

void TextField::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton)
    return;  // the right button would open the edit menu
  setFocus(Qt::MouseFocusReason);
  // Caret at the character boundary nearest to the press.
  MoveCaret(OffsetAt(static_cast<int>(event->position().x())));
}

void TextField::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();  // would select a word
}

void TextField::mouseMoveEvent(QMouseEvent* event) {
  event->accept();  // a move with a button held would select
}

void TextField::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
}

void TextField::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  emit FocusEntered();
  RestartCaretBlink();
  update();
}

void TextField::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  caret_timer_.stop();
  update();
}

void TextField::timerEvent(QTimerEvent* event) {
  if (event->timerId() != caret_timer_.timerId()) {
    QWidget::timerEvent(event);
    return;
  }
  caret_shown_ = !caret_shown_;
  update();
}

}  // namespace orbello::kit
