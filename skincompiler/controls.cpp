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
#include "platform/qt/kit/text_field.h"
#include "skincompiler/skin_rows.h"

namespace orbello::csfob {
namespace {

// The button faces' text colours, read when drawn so that they follow the desktop's scheme.
QColor SystemColor(QPalette::ColorRole role) {
  return QApplication::palette().color(role);
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
    auto* field = new kit::TextField(parent, [host](const QWidget* under) {
      return host->Background().copy(under->geometry());
    });
    field->SetDefaultTextColor([host] { return host->TextColour(); });
    field->SetBlinkingCaret(true);
    field->SetUpDownMoveCaret(true);
    QObject::connect(field, &kit::TextField::focusEntered, field,
                     [host, field] { host->RememberFocus(field); });
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
