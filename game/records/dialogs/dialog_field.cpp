#include "game/records/dialogs/dialog_field.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "game/records/dialogs/dialog_look.h"
#include "platform/qt/kit/kit.h"

namespace orbello {

namespace {

constexpr int kEdge = 2;    // the sunken client edge
constexpr int kMargin = 2;  // space between the edge and the text

bool IsLatin1(QChar c) {
  return c.unicode() <= 0xFF;
}

}  // namespace

DialogField::DialogField(LookDialog* dialog, int id, const QRect& geometry)
    : QWidget(dialog), dialog_(dialog) {
  SetDialogId(this, id);
  setGeometry(geometry);
  setFont(kit::GuiFont());
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::IBeamCursor);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

void DialogField::setText(const QString& text) {
  // Like the system's field, the limit binds typing only: a text put in is shown whole.
  text_ = text;
  caret_ = 0;
  first_visible_ = 0;
  update();
}

void DialogField::SetTextColour(std::optional<QColor> colour) {
  colour_ = colour;
  update();
}

QRect DialogField::TextRect() const {
  return rect().adjusted(kEdge + kMargin, kEdge, -(kEdge + kMargin), -kEdge);
}

void DialogField::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  // The dialog's background under the field shows through; the edge is drawn over it.
  if (dialog_ != nullptr)
    painter.drawImage(0, 0, dialog_->BackgroundUnder(this));
  kit::DrawSunkenEdge(painter, rect());

  const QRect text_rect = TextRect();
  painter.setClipRect(rect().adjusted(kEdge, kEdge, -kEdge, -kEdge));
  painter.setFont(font());
  const QColor colour = colour_.value_or(kit::WindowTextColor());
  painter.setPen(colour);
  const QString shown = text_.mid(first_visible_);
  const QFontMetrics metrics(font());
  int x = text_rect.left();
  if (right_aligned_) {
    const int width = metrics.horizontalAdvance(shown);
    if (width < text_rect.width())
      x = text_rect.right() + 1 - width;
  }
  painter.drawText(QRect(x, text_rect.top(), text_rect.right() + 1 - x, text_rect.height()),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
  if (hasFocus()) {
    const int caret_x =
        x + metrics.horizontalAdvance(text_.mid(first_visible_, caret_ - first_visible_));
    const int h = metrics.height();
    const int top = text_rect.top() + (text_rect.height() - h) / 2;
    painter.fillRect(QRect(caret_x, top, 1, h), colour);
  }
}

void DialogField::MoveCaret(int position) {
  caret_ = std::clamp(position, 0, static_cast<int>(text_.size()));
  ScrollToCaret();
  update();
}

void DialogField::ScrollToCaret() {
  if (caret_ < first_visible_)
    first_visible_ = caret_;
  const QFontMetrics metrics(font());
  const int room = TextRect().width() - 1;
  while (first_visible_ < caret_ &&
         metrics.horizontalAdvance(text_.mid(first_visible_, caret_ - first_visible_)) > room) {
    ++first_visible_;
  }
}

void DialogField::Insert(const QString& typed) {
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
  caret_ += static_cast<int>(accepted.size());
  ScrollToCaret();
  update();
  emit textEdited();
}

void DialogField::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
      if (shift) {  // would select (or cut) text
        event->accept();
        return;
      }
      break;
    default:
      break;
  }
  switch (event->key()) {
    case Qt::Key_Left:
      MoveCaret(caret_ - 1);
      break;
    case Qt::Key_Right:
      MoveCaret(caret_ + 1);
      break;
    case Qt::Key_Home:
      MoveCaret(0);
      break;
    case Qt::Key_End:
      MoveCaret(static_cast<int>(text_.size()));
      break;
    case Qt::Key_Delete:
      if (!read_only_ && caret_ < text_.size()) {
        text_.remove(caret_, 1);
        ScrollToCaret();
        emit textEdited();
      }
      break;
    case Qt::Key_Backspace:
      if (!read_only_ && caret_ > 0) {
        text_.remove(caret_ - 1, 1);
        --caret_;
        ScrollToCaret();
        emit textEdited();
      }
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
      // Swallowed here; the dialog does not act on them either (Tab moves focus before this).
      break;
    default:
      if (ctrl && event->key() == Qt::Key_V) {
        if (QClipboard* clipboard = QApplication::clipboard())
          Insert(clipboard->text());
      } else if (ctrl && event->key() == Qt::Key_A) {
        // Select-all is a selection gesture: ignored.
      } else if (!ctrl && !event->text().isEmpty()) {
        Insert(event->text());
      }
      break;
  }
  // The field repaints in full after every key.
  update();
  event->accept();
}

void DialogField::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();  // the right button would open the edit menu
    return;
  }
  if (!isEnabled())
    return;
  setFocus(Qt::MouseFocusReason);
  // Caret at the character boundary nearest to the press.
  const QFontMetrics metrics(font());
  const QRect text_rect = TextRect();
  const int px = static_cast<int>(event->position().x());
  const QString shown = text_.mid(first_visible_);
  int x0 = text_rect.left();
  if (right_aligned_) {
    const int width = metrics.horizontalAdvance(shown);
    if (width < text_rect.width())
      x0 = text_rect.right() + 1 - width;
  }
  int best = first_visible_;
  int best_distance = std::abs(px - x0);
  for (int i = 1; i <= shown.size(); ++i) {
    const int d = std::abs(px - (x0 + metrics.horizontalAdvance(shown.left(i))));
    if (d < best_distance) {
      best_distance = d;
      best = first_visible_ + i;
    }
  }
  caret_ = best;
  update();
  event->accept();
}

void DialogField::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();  // would select a word
}

void DialogField::mouseMoveEvent(QMouseEvent* event) {
  event->accept();  // a move with a button held would select
}

void DialogField::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void DialogField::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace orbello
