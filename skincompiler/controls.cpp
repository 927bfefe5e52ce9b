#include "skincompiler/controls.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <cctype>
#include <string>

#include "platform/qt/kit/kit.h"
#include "skincompiler/skin_rows.h"

namespace orbello::csfob {
namespace {

// The button faces' text colours, read when drawn so that they follow the desktop's scheme.
QColor SystemColor(QPalette::ColorRole role) {
  return QApplication::palette().color(role);
}

constexpr int kCaretWidth = 1;

// Tab and Shift+Tab go to the window's own focus cycle, never to Qt's focus chain. True when the
// event was such a key and has been handled.
bool ForwardTabKey(QEvent* event, QWidget* control, ControlHost* host) {
  if (event->type() != QEvent::KeyPress)
    return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
    return false;
  host->MoveFocus(control,
                  key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier));
  return true;
}

}  // namespace

void CopyBackground(QPainter& painter, const QImage& background, const QWidget* widget,
                    const QRect& target, QPoint source_offset) {
  if (background.isNull() || target.isEmpty())
    return;
  const QRect source = target.translated(widget->pos() + source_offset);
  painter.drawImage(target, background, source);
}

// ---------------------------------------------------------------------------------------------

SkinButton::SkinButton(const QString& text, int command, ControlHost* host, QWidget* parent)
    : QAbstractButton(parent), command_(command), host_(host) {
  setText(text);
  setFont(kit::GuiFont());
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QAbstractButton::clicked, this, [this] { host_->OnCommand(command_); });
}

bool SkinButton::event(QEvent* event) {
  return ForwardTabKey(event, this, host_) || QAbstractButton::event(event);
}

void SkinButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      host_->MoveFocus(this, true);
      return;
    case Qt::Key_Right:
    case Qt::Key_Down:
      host_->MoveFocus(this, false);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Only the "..." buttons act on Enter; Help, Compile and Quit want Space or a click.
      if (RowOfCommand(command_) >= 0)
        host_->OnCommand(command_);
      return;
    default:
      QAbstractButton::keyPressEvent(event);
  }
}

void SkinButton::focusInEvent(QFocusEvent* event) {
  host_->RememberFocus(this);
  QAbstractButton::focusInEvent(event);
}

void SkinButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(kit::GuiFont());
  const QRect r = rect();
  const QRect inner = r.adjusted(1, 1, -2, -2);
  const QImage& background = host_->Background();
  const int align = Qt::AlignCenter | Qt::TextSingleLine;

  if (isDown()) {
    kit::DrawPushFrame(painter, r, true, kit::PushedEdge::kShadowOutside);
    CopyBackground(painter, background, this, inner);
    painter.setPen(SystemColor(QPalette::ButtonText));
    painter.drawText(r.adjusted(2, 2, 0, 0), align, text());
  } else if (isEnabled()) {
    kit::DrawPushFrame(painter, r, false);
    CopyBackground(painter, background, this, inner);
    painter.setPen(SystemColor(QPalette::ButtonText));
    painter.drawText(r, align, text());
  } else {
    kit::DrawPushFrame(painter, r, false);
    const bool deep_screen = screen() == nullptr || screen()->depth() > 8;
    if (!background.isNull() && background.depth() > 8 && deep_screen) {
      QImage face = background.copy(inner.translated(pos())).convertToFormat(QImage::Format_RGB888);
      painter.drawImage(inner.topLeft(), kit::DarkenImage(face, 85, Qt::black));
    } else {
      CopyBackground(painter, background, this, inner);
    }
    painter.setPen(SystemColor(QPalette::Light));
    painter.drawText(r.translated(1, 1), align, text());
    painter.setPen(SystemColor(QPalette::Dark));
    painter.drawText(r.translated(-1, 0), align, text());
  }
  if (hasFocus())
    kit::DrawFocusRect(painter, r.adjusted(4, 4, -4, -4), kit::FocusDots::kInverted);
}

// ---------------------------------------------------------------------------------------------

PathField::PathField(ControlHost* host, QWidget* parent) : QWidget(parent), host_(host) {
  setFont(kit::GuiFont());
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::IBeamCursor);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

void PathField::setText(const QString& text) {
  text_ = text;
  caret_ = 0;
  first_visible_ = 0;
  update();
}

QRect PathField::formatRect() const {
  // Inside the 2-pixel sunken edge, with a small margin on each side as the system's field has.
  return rect().adjusted(2 + 2, 2, -2 - 2, -2);
}

void PathField::SetCaret(int position) {
  caret_ = std::clamp(position, 0, static_cast<int>(text_.size()));
  if (caret_ < first_visible_) {
    first_visible_ = caret_;
  } else {
    const QFontMetrics metrics(font());
    const int room = formatRect().width() - kCaretWidth;
    while (first_visible_ < caret_ &&
           metrics.horizontalAdvance(text_.mid(first_visible_, caret_ - first_visible_)) > room) {
      ++first_visible_;
    }
  }
  RestartCaretBlink();
}

void PathField::RestartCaretBlink() {
  caret_shown_ = hasFocus();
  const int flash = QApplication::cursorFlashTime();
  if (hasFocus() && flash > 0) {
    caret_timer_.start(flash / 2, this);
  } else {
    caret_timer_.stop();
  }
}

bool PathField::event(QEvent* event) {
  return ForwardTabKey(event, this, host_) || QWidget::event(event);
}

void PathField::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  event->accept();
  // Shift with these keys would select text (or cut it): nothing here may be selected.
  if (event->modifiers().testFlag(Qt::ShiftModifier) &&
      (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End ||
       key == Qt::Key_Delete)) {
    return;
  }
  const bool by_word = event->modifiers().testFlag(Qt::ControlModifier);
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      SetCaret(by_word && key == Qt::Key_Left ? WordStartBefore(caret_) : caret_ - 1);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      SetCaret(by_word && key == Qt::Key_Right ? WordStartAfter(caret_) : caret_ + 1);
      break;
    case Qt::Key_Home:
      SetCaret(0);
      break;
    case Qt::Key_End:
      SetCaret(static_cast<int>(text_.size()));
      break;
    default:
      break;  // read-only: nothing else changes the field
  }
  update();
}

// Words are separated by spaces, as in the system's own fields.
int PathField::WordStartBefore(int position) const {
  while (position > 0 && text_[position - 1].isSpace())
    --position;
  while (position > 0 && !text_[position - 1].isSpace())
    --position;
  return position;
}

int PathField::WordStartAfter(int position) const {
  const int size = static_cast<int>(text_.size());
  while (position < size && !text_[position].isSpace())
    ++position;
  while (position < size && text_[position].isSpace())
    ++position;
  return position;
}

void PathField::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton)
    return;  // the right button shows no menu here
  setFocus(Qt::MouseFocusReason);
  const QFontMetrics metrics(font());
  const int x = static_cast<int>(event->position().x()) - formatRect().left();
  int position = first_visible_;
  while (position < text_.size()) {
    const int left =
        metrics.horizontalAdvance(text_.mid(first_visible_, position - first_visible_));
    const int right =
        metrics.horizontalAdvance(text_.mid(first_visible_, position + 1 - first_visible_));
    if (x < (left + right) / 2)
      break;
    ++position;
  }
  SetCaret(position);
  update();
}

void PathField::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();  // a double click would select a word
}

void PathField::mouseMoveEvent(QMouseEvent* event) {
  event->accept();  // dragging would select
}

void PathField::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
}

void PathField::focusInEvent(QFocusEvent* event) {
  host_->RememberFocus(this);
  RestartCaretBlink();
  update();
  QWidget::focusInEvent(event);
}

void PathField::focusOutEvent(QFocusEvent* event) {
  caret_timer_.stop();
  caret_shown_ = false;
  update();
  QWidget::focusOutEvent(event);
}

void PathField::timerEvent(QTimerEvent* event) {
  if (event->timerId() != caret_timer_.timerId()) {
    QWidget::timerEvent(event);
    return;
  }
  caret_shown_ = !caret_shown_;
  update();
}

void PathField::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  kit::DrawSunkenEdge(painter, rect());
  const QRect client = rect().adjusted(2, 2, -2, -2);
  CopyBackground(painter, host_->Background(), this, client);

  const QRect format = formatRect();
  painter.setClipRect(format);
  painter.setFont(font());
  painter.setPen(host_->TextColour());
  painter.drawText(format, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   text_.mid(first_visible_));
  if (caret_shown_ && hasFocus()) {
    const QFontMetrics metrics(font());
    const int x = format.left() +
                  metrics.horizontalAdvance(text_.mid(first_visible_, caret_ - first_visible_));
    const int height = metrics.height();
    const int top = format.top() + (format.height() - height) / 2;
    painter.fillRect(QRect(x, top, kCaretWidth, height), host_->TextColour());
  }
}

// ---------------------------------------------------------------------------------------------

RowLabel::RowLabel(const QString& text, int row, ControlHost* host, QWidget* parent)
    : QWidget(parent), text_(text), row_(row), host_(host) {
  setFont(kit::GuiFont());
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RowLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(host_->LabelColour(row_));
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

// ---------------------------------------------------------------------------------------------

SubclassedControl::~SubclassedControl() {
  delete widget_;
}

bool SubclassedControl::Create(std::string_view class_name, const QString& text, const QRect& rect,
                               QWidget* parent, ControlHost* host, int command) {
  if (widget_ != nullptr)
    return false;
  std::string kind(class_name);
  std::transform(kind.begin(), kind.end(), kind.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (kind == "button") {
    widget_ = new SkinButton(text, command, host, parent);
  } else if (kind == "edit") {
    auto* field = new PathField(host, parent);
    field->setText(text);
    widget_ = field;
  } else if (kind == "static") {
    widget_ = new RowLabel(text, command, host, parent);
  } else {
    return false;
  }
  widget_->setGeometry(rect);
  widget_->show();
  return true;
}

}  // namespace orbello::csfob
